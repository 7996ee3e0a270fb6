// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lightweight controls of a window. They are not widgets: the window draws them in
// its stacking order and routes the mouse to them, as the designs expect.
#include "platform/design.h"
#include "platform/pictures.h"
#include "platform/text_setting.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QTextEdit;
class QTimer;

namespace zq {

class Form;

enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftMask { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

using MouseHandler = std::function<void(int Button, int Shift, double X, double Y)>;

class Control {
  public:
    Control(Form& form, const ControlDesign& design);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return name_; }
    int Index() const { return index_; }
    Kind kind() const { return kind_; }
    Form& form() const { return form_; }

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool e) { enabled_ = e; }
    const QString& ToolTipText() const { return toolTip_; }
    Cursor MousePointer() const { return cursor_; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    virtual double Width() const { return width_; }
    virtual double Height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void Move(double left, double top);

    // Where the control lies in the window, in pixels.
    virtual QRect pixelRect() const;
    // Whether the control can be the target of mouse events at all.
    virtual bool takesMouse() const { return true; }
    virtual void paint(QPainter& p) const = 0;

    MouseHandler MouseDown, MouseMove, MouseUp;
    std::function<void()> Click;

  protected:
    // Asks the window to redraw where the control was and where it is now.
    void changed(const QRect& before);

    Form& form_;
    QString name_;
    int index_;
    Kind kind_;
    bool visible_;
    bool enabled_;
    QString toolTip_;
    Cursor cursor_;
    double left_, top_, width_, height_;
};

class Image final : public Control {
  public:
    Image(Form& form, const ControlDesign& design);
    const zq::Picture& Picture() const { return picture_; }
    // An image never stretches: it takes the picture's size.
    void setPicture(const zq::Picture& p);
    double Width() const override;
    double Height() const override;
    void paint(QPainter& p) const override;

  private:
    zq::Picture picture_;
};

class Label final : public Control {
  public:
    Label(Form& form, const ControlDesign& design, const SetFont& font);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c);
    QColor ForeColor() const { return fore_; }
    void setForeColor(const QColor& c);
    bool transparent() const { return transparent_; }
    // The font the caption is drawn in: the design's, condensed where it must be to fit.
    const QFont& font() const {
        layOut();
        return font_;
    }
    // The caption as drawn: each line and where its baseline starts, in the label's pixels.
    const std::vector<SetLine>& lines() const {
        layOut();
        return lines_;
    }
    int lineStep() const {
        layOut();
        return metrics_.step;
    }
    double Width() const override;
    double Height() const override;
    // A label of fixed size made taller or shorter, as a window lays out texts of changing length.
    void setHeight(double twips);
    void paint(QPainter& p) const override;

  private:
    // The caption is measured when something first needs it (its size, its lines, its
    // painting), not when it is set: a caption replaced before it is shown, or an empty one
    // in a label of fixed size, then costs no font work at all.
    void layOut() const;
    void setText();
    bool laidOut_ = false;
    QString caption_;
    QColor fore_, back_;
    bool transparent_;
    SetFont design_;
    QFont font_;
    LineMetrics metrics_;
    std::vector<SetLine> lines_;
    Align align_;
    bool autoSize_, wordWrap_;
};

class Line final : public Control {
  public:
    Line(Form& form, const ControlDesign& design);
    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX1(double v) { setEnds(v, y1_, x2_, y2_); }
    void setY1(double v) { setEnds(x1_, v, x2_, y2_); }
    void setX2(double v) { setEnds(x1_, y1_, v, y2_); }
    void setY2(double v) { setEnds(x1_, y1_, x2_, v); }
    QColor BorderColor() const { return colour_; }
    void setBorderColor(const QColor& c);
    QRect pixelRect() const override;
    bool takesMouse() const override { return false; }
    void paint(QPainter& p) const override;

  private:
    void setEnds(double x1, double y1, double x2, double y2);
    double x1_, y1_, x2_, y2_;
    QColor colour_;
    int width_px_;
};

// A windowed control: always in front of the lightweight ones.
class TextBox final : public Control {
  public:
    TextBox(Form& form, const ControlDesign& design, const SetFont& font);
    ~TextBox() override;
    // The text as the program set it, line breaks included.
    const QString& Text() const { return text_; }
    void setText(const QString& t);
    QTextEdit* widget() const { return edit_; }
    bool takesMouse() const override { return false; } // the widget takes its own mouse
    void paint(QPainter&) const override {}

  private:
    QString text_;
    QTextEdit* edit_;
    int lineStep_;
    bool songMeasure_;
};

class Timer final : public Control {
  public:
    Timer(Form& form, const ControlDesign& design);
    ~Timer() override;
    int Interval() const;
    void setTimerEnabled(bool e);
    bool running() const;
    void start(); // called when the window loads
    void stop();
    // One tick now, as the clock gives it.
    void fire();
    bool takesMouse() const override { return false; }
    QRect pixelRect() const override { return {}; }
    void paint(QPainter&) const override {}

    std::function<void()> Tick; // the Timer event

  private:
    QTimer* timer_;
};

QColor toColor(Rgb c);

} // namespace zq
