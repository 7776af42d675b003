#pragma once

#include "ORXPageState.h"
#include "ORXSettingControllerDelegate.h"

#include <QList>
#include <QWidget>

class ORXSettingPageModel;
class QAbstractButton;

// A settings page: the page protocol over a page model. A concrete page is its .ui and its
// model; its constructor runs setupUi(this) and then setupPage(). The controls are found by
// objectName (the outlet names of the model):
//   ORXSegmentedControl, QComboBox, a container whose QGridLayout holds radio buttons (a
//   button matrix, cells counted row by row): Choice; QCheckBox, QRadioButton: Check;
//   QLineEdit, QLabel: Text; QSlider: Number. Other widgets (the range slider) through
//   applyControl()/collectControl().
// In the .ui, every label, box title and button text is a key of the string table and is
// replaced by its text in setupPage(); a literal text is marked notr="true". Segment labels,
// combo items and matrix cell titles come from the model's items().
class ORXSettingPage : public QWidget, public ORXSettingControllerDelegate
{
    Q_OBJECT
public:
    explicit ORXSettingPage(const ORXSettingPageModel* model, QWidget* parent = nullptr);

    void setFileData(_FILEDATA* fileData) override;
    bool populate() override;
    QString validateUserInput() override;
    void setMainController(ORXSettingController* controller) override { m_mainController = controller; }

    ORXSettingController* mainController() const { return m_mainController; }
    _FILEDATA* fileData() const { return m_fileData; }
    const ORXSettingPageModel* model() const { return m_model; }

    // Shows the record (nothing while there is none).
    void displayFileData();
    // The controls as they are now, for every outlet the model shows.
    ORXPageState currentState() const;
    QWidget* control(const QString& outlet) const;

signals:
    // The user changed a control (after the click-time store and the rules ran).
    void controlChanged(const QString& outlet);

protected:
    // After setupUi: texts from their keys, the models' labels, accessible names, and the
    // user's changes connected to the rules.
    void setupPage();
    // For controls of other kinds; true when handled.
    virtual bool applyControl(QWidget* widget, const ORXControlState& state);
    virtual bool collectControl(const QWidget* widget, ORXControlState& state) const;
    void applyState(const ORXPageState& state);
    // Runs the model's click-time store and rules after the user changed that outlet.
    void userChanged(const QString& outlet);

private:
    void localizeTexts();
    void fillItems();
    void connectControls();
    void nameControls();

    const ORXSettingPageModel* m_model;
    _FILEDATA* m_fileData = nullptr;
    ORXSettingController* m_mainController = nullptr;
    ORXPageState m_state; // what was last shown: the outlets and their kinds
    bool m_applying = false;
};

// The cells of a button matrix (the buttons of the container's grid, row by row); empty
// for any other widget.
QList<QAbstractButton*> matrixButtons(const QWidget* container);
