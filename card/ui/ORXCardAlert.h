#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// An alert on the card windows: window-modal, the single button "OK", a short message and
// the informative text. onOk runs when the user dismisses it. Returns the open box.
QMessageBox* showCardAlert(QWidget* window, const QString& message, const QString& informative,
                           const std::function<void()>& onOk = {});
