#pragma once
// The help window: the help text in a read-only box, dragged by its title, closed back to
// the main window.
#include "platform/form.h"

#include <QPointer>
#include <QString>
#include <cstdint>

namespace zq::ui {

class Form2 : public zq::Form {
  public:
    // The main window is hidden by whoever opens this one and shown again when it closes.
    explicit Form2(zq::Form& mainWindow);

    void Form_Load() override;
    void Image8_Click();
    void Label1_MouseDown(int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Button, int Shift, double X, double Y);
    void Label1_MouseUp(int Button, int Shift, double X, double Y);
    void Form_Unload() override;

    static QString helpText();

    // Drag by the title, in twips; -1 is true.
    std::int16_t Dragging = 0;
    struct {
        std::int16_t X = 0, Y = 0;
    } DragGrab;
    struct {
        std::int16_t Left = 0, Top = 0;
    } DragTarget;

  private:
    QPointer<zq::Form> mainWindow_;
};

} // namespace zq::ui
