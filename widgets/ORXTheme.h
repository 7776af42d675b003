#pragma once

class QApplication;

// The program's one dark look: the Fusion style with a dark palette and the ORVEX style
// sheet (charcoal surfaces, light grey text, an amber accent).
namespace ORXTheme {
void apply(QApplication* application);
}
