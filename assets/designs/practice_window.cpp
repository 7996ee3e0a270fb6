// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window as designed: the question with its drawn part over the palette, the
// answer with its verdict and working, and how the learner stands lately. It wears the reading
// window's frame and panels, so that the palette lies on the same tray.
#include "assets/designs/common.h"
#include "assets/designs/designs.h"
#include "model/colour_code.h"

namespace zq::designs {
namespace {

using namespace detail;

FormDesign build() {
    constexpr FontDesign kSong9Bold{.face = kSong, .points = 9, .bold = true};
    FormDesign f{
        .name = "PracticeWindow",
        .caption = "练习",
        .width = px(510),
        .height = px(704),
        .left = 3300,
        .top = 1050,
        .back = kPaleMagenta,
        .font = kSong9,
        .icon = ":/design/form2/icon.png",
    };
    auto& c = f.controls;
    c.push_back({.name = "Answer",
                 .kind = Kind::TextBox,
                 .left = px(118),
                 .top = px(265),
                 .width = px(160),
                 .height = px(26),
                 .font = kSong10_5Bold});
    c.push_back(image("CloseBox", -1, 468, 2, 19, 21)); // hit area of the drawn close box
    c.push_back(label("title", -1, 8, 4, 439, 19, "练习", kSong10_5, kRed));

    // The question, the palette to pick bands with, and the part drawn.
    ControlDesign question = label("Question", -1, 26, 46, 462, 28, "", kSong10_5Bold, kInk);
    question.wordWrap = true;
    c.push_back(question);
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        c.push_back(image("Chip", i, 26 + 25 * i, 75, 21, 67, kChipPictures[i], true));
    c.push_back(image("BackButton", -1, 338, 75, 76, 26, ":/design/reading_window/Image3.png", true));
    c.push_back(image("ClearButton", -1, 418, 75, 76, 26, ":/design/reading_window/Image4.png", true));
    c.push_back(image("HintButton", -1, 338, 112, 76, 26, ":/design/practice_window/Image4.png", true));
    c.push_back(image("NextButton", -1, 418, 112, 76, 26, ":/design/practice_window/Image5.png", true));
    // A chip code is printed where the part is drawn.
    ControlDesign code = label("Code", -1, 170, 165, 170, 56, "", kTahoma21_75Bold, kWhite);
    code.transparent = false;
    code.back = {36, 36, 40};
    code.align = Align::Centre;
    code.visible = false;
    c.push_back(code);
    c.push_back(image("BodyLeft", -1, 47, 150, 116, 90, ":/design/form1/Image16.png", true));
    for (int i = 0; i < 8; ++i)
        c.push_back(image("Band", i, 163 + 21 * i, 159, 21, 67));
    c.push_back(image("BodyRight", -1, 331, 147, 126, 89, ":/design/form1/Image23.png", true));
    // Beside the right end, after a picking question: whose bands the part is drawn with.
    ControlDesign tag = label("PartTag", -1, 458, 160, 34, 16, "", kSong9Bold, kRed);
    tag.align = Align::Centre;
    c.push_back(tag);

    // The answer, its verdict, the working and the hints.
    c.push_back(label("AnswerCaption", -1, 26, 270, 92, 18, "你的答案：", kSong10_5Bold));
    c.push_back(image("AnswerButton", -1, 290, 265, 76, 26, ":/design/practice_window/Image3.png", true));
    // Wide enough for the right five bands once answered, "正确：棕 黑 黑 红 棕".
    c.push_back(label("Picked", -1, 370, 270, 122, 16, "", kSong9, kInk));
    ControlDesign verdict = label("Verdict", -1, 26, 300, 462, 40, "", kSong10_5Bold, kRed);
    verdict.wordWrap = true;
    c.push_back(verdict);
    ControlDesign working = label("Working", -1, 26, 342, 462, 112, "", kSong9, kInk);
    working.wordWrap = true;
    c.push_back(working);
    // The hints stand where the working will: all of a six-band part's fit, and an answer
    // puts the working in their place.
    ControlDesign hint = label("Hint", -1, 26, 342, 462, 148, "", kSong9, kTeal);
    hint.wordWrap = true;
    c.push_back(hint);
    ControlDesign notice = label("Notice", -1, 26, 492, 462, 30, "", kSong9, kRed);
    notice.wordWrap = true;
    c.push_back(notice);

    // How each kind went lately, under headings: a row per kind of question (right of the
    // last ten) and per kind of mistake (times made); the bars are painted inside the rows.
    c.push_back(label("QuestionHeading", -1, 26, 538, 84, 15, "", kSong9Bold, kInk));
    c.push_back(label("QuestionTallyHeading", -1, 114, 538, 142, 15, "", kSong9Bold, kInk));
    c.push_back(label("MistakeHeading", -1, 262, 538, 84, 15, "", kSong9Bold, kInk));
    c.push_back(label("MistakeTallyHeading", -1, 350, 538, 144, 15, "", kSong9Bold, kInk));
    // Seven kinds of mistake fit above the caption at 14 px a row.
    for (int i = 0; i < 7; ++i) {
        const int top = 556 + 14 * i;
        if (i < 5) {
            c.push_back(label("QuestionKind", i, 26, top, 170, 14, "", kSong9, kInk));
            c.push_back(label("QuestionTally", i, 198, top, 58, 14, "", kSong9, kInk));
        }
        c.push_back(label("MistakeKind", i, 262, top, 170, 14, "", kSong9, kInk));
        c.push_back(label("MistakeTally", i, 434, top, 60, 14, "", kSong9, kInk));
    }
    ControlDesign chart = label("ChartCaption", -1, 26, 656, 354, 30, "", kSong9, kInk);
    chart.wordWrap = true;
    c.push_back(chart);
    c.push_back(image("RestartButton", -1, 386, 658, 100, 26, ":/design/practice_window/Image6.png", true));

    c.push_back(image("Frame", -1, 0, 0, 510, 36, ":/design/form2/Image1.png"));
    c.push_back(image("Ground", -1, 0, 36, 510, 668, ":/design/practice_window/Image2.png"));
    return f;
}

} // namespace

const FormDesign& practiceWindow() {
    static const FormDesign design = build();
    return design;
}

} // namespace zq::designs
