// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/own_kit_editor.h"
#include "ui/words.h"

#include "assets/designs/designs.h"
#include "model/combinations/kit_file.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "ui/value/kit_store.h"
#include "wording/combinations.h"
#include "wording/kit_panel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>

namespace zq::ui {

OwnKitEditor::OwnKitEditor(zq::Form& mainWindow, const std::vector<model::Decimal>& kit)
    : SecondaryWindow(designs::ownKitEditor(), mainWindow), values(kit), Note(label("Note")) {
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    auto& save = image(QStringLiteral("SaveButton"));
    auto& cancel = image(QStringLiteral("CancelButton"));
    auto& close = image(QStringLiteral("CloseBox"));
    save.Click = [this] { saveButtonClicked(); };
    cancel.Click = [this] { cancelButtonClicked(); };
    close.Click = [this] { cancelButtonClicked(); };
    dragByTitle();
    QTextEdit& text = kitText();
    // Long lines wrap, and the scroll bar comes only with more lines than the box shows.
    text.setLineWrapMode(QTextEdit::WidgetWidth);
    text.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text.setTabChangesFocus(true);
    text.setFocusPolicy(Qt::StrongFocus);
    saved_ = QString::fromStdString(model::kitText(kit));
    text.setPlainText(saved_);
    auto& box = textBox(QStringLiteral("KitText"));
    setFocusOrder({&box, &save, &cancel, &close});
    addArrowGroup({&save, &cancel});

    std::vector<zq::AccessibleItem> items;
    auto shown = [&items](zq::Label& l) {
        auto caption = [&l] { return l.Caption(); };
        items.push_back({&l, QAccessible::StaticText, caption, caption, {}});
    };
    auto button = [&items](zq::Control& c, std::function<QString()> n) {
        items.push_back({&c, QAccessible::Button, std::move(n), {}, {}});
    };
    shown(label(QStringLiteral("title")));
    shown(label(QStringLiteral("Help")));
    text.setAccessibleName(QCoreApplication::translate("OwnKitEditor", "我的套装里的阻值"));
    shown(Note);
    button(save, [] { return QCoreApplication::translate("OwnKitEditor", "保存"); });
    button(cancel, [] { return QCoreApplication::translate("OwnKitEditor", "取消"); });
    button(close, [] { return QCoreApplication::translate("OwnKitEditor", "关闭"); });
    setAccessibleItems(std::move(items));
    box.widget()->setFocus();
}

QTextEdit& OwnKitEditor::kitText() const {
    return *textBox(QStringLiteral("KitText")).widget();
}

void OwnKitEditor::saveButtonClicked() {
    // A pasted list becomes one value a line, and stays so in the editor, so that a refused
    // line is found by the number the note gives.
    QString text = kitText().toPlainText();
    static const QRegularExpression kSeparators(
        QStringLiteral("[,;\\t\\x{FF0C}\\x{3001}\\x{FF1B}]+"));
    static const QRegularExpression kComment(QStringLiteral("[#\\x{FF03}]"));
    if (text.contains(kSeparators)) {
        QStringList kept;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            // A comment keeps its commas.
            const qsizetype hash = line.indexOf(kComment);
            const QString head = hash < 0 ? line : line.left(hash);
            const QString tail = hash < 0 ? QString() : line.mid(hash);
            QStringList pieces = head.split(kSeparators, Qt::SkipEmptyParts);
            for (QString& p : pieces)
                p = p.trimmed();
            if (!tail.isEmpty()) pieces << tail;
            kept << pieces;
        }
        text = kept.join(QLatin1Char('\n'));
        kitText().setPlainText(text);
    }
    const QByteArray bytes = text.toUtf8();
    const model::KitFile kit =
        model::readKit(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (kit.over || std::size_t(bytes.size()) > model::kKitMostBytes) {
        Note.setCaption(q(wording::typedKitOverLimit(kit.over.value_or(model::KitLimit::bytes))));
        return;
    }
    if (!kit.refused.empty()) {
        // Named as the user typed it, the cursor on it.
        const model::KitLine& refused = kit.refused.front();
        Note.setCaption(q(wording::typedKitLineRefused(refused)));
        QTextCursor at(kitText().document()->findBlockByNumber(refused.line - 1));
        at.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        kitText().setTextCursor(at);
        setFocusedControl(&textBox(QStringLiteral("KitText")));
        return;
    }
    if (const QString why = saveOwnKit(kit.values); !why.isEmpty()) {
        Note.setCaption(why);
        return;
    }
    values = kit.values;
    saved_ = text;
    if (Saved) Saved();
    Unload();
}

bool OwnKitEditor::mayDropEdits() {
    return kitText().toPlainText() == saved_ ||
           MsgBox(q(wording::ownKitDropEdits()), kQuestionStyle | kYesNoStyle,
                  q(wording::ownKitName())) == kAnswerYes;
}

void OwnKitEditor::cancelButtonClicked() {
    if (mayDropEdits()) Unload();
}

bool OwnKitEditor::keyPressed(int key, int) {
    if (key != Qt::Key_Escape) return false;
    cancelButtonClicked();
    return true;
}

void OwnKitEditor::closeEvent(QCloseEvent* e) {
    if (!unloaded() && !mayDropEdits()) {
        e->ignore();
        return;
    }
    SecondaryWindow::closeEvent(e);
}

void OwnKitEditor::onUnload() {
    // Not the main window's way back: the panel it was opened from stays where it was.
    hide();
}

} // namespace zq::ui
