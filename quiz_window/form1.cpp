#include "quiz_window/form1.h"

#include "content/catalogue.h"
#include "content/pictures.h"
#include "notice_window/notice_step.h"
#include "platform/counter.h"
#include "platform/message_box.h"
#include "platform/random.h"

#include <cmath>
#include <cstdint>

namespace {

// The integer part of a random number times n, plus one: a whole number from 1 to n.
float drawWholeNumber(int n) {
    return static_cast<float>(std::floor(static_cast<double>(platform::Rnd()) * n) + 1.0);
}

int listPosition(float pick) {
    return static_cast<std::int16_t>(pick - 1.0f);
}

} // namespace

Form1::Form1(QWidget* parent)
    : platform::Form(parent) {
    ui.setupUi(this);
    applyStoredLayout();
    // Designer's tab stops leave Command1, created first, ahead of them in the focus chain, where
    // the window would start. Start at the first tab stop instead: List1 is hidden, so the window
    // hands the focus on to the next control that can take it.
    ui.List1->setFocus();
    ui.im1->load(content::flagPictures());

    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui.Check1, &platform::CheckBox::MouseDown, this, &Form1::Check1_MouseDown);
    connect(ui.Check2, &platform::CheckBox::MouseDown, this, &Form1::Check2_MouseDown);
    connect(ui.Check3, &platform::CheckBox::MouseDown, this, &Form1::Check3_MouseDown);
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

std::array<platform::CheckBox*, 3> Form1::optionBoxes() const {
    return {ui.Check1, ui.Check2, ui.Check3};
}

void Form1::Form_Load() {
    noticeStep();
    for (const std::string_view name : content::kCountries)
        ui.List1->AddItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// "New flag": a random flag, its name in a random box and two other names in the others.
void Form1::Command2_Click() {
    const auto boxes = optionBoxes();
    for (platform::CheckBox* box : boxes)
        box->setEnabled(true);
    for (platform::CheckBox* box : boxes)
        box->setValue(0);
    ui.Label1->setText(platform::counterPlusOne(ui.Label1->text()));

    platform::Randomize();
    AnswerSlot = drawWholeNumber(3);
    Pick = {};
    ui.Text1->setText(QString());

    // The answer box first, then the other two in cyclic order; a try with any repeated index is
    // thrown away whole and drawn again after a re-seed.
    const int first = static_cast<int>(*AnswerSlot) - 1;
    for (;;) {
        for (int k = 0; k < 3; ++k) {
            const int slot = (first + k) % 3;
            Pick[slot] = drawWholeNumber(content::kCountryCount);
            boxes[slot]->setCaption(ui.List1->List(listPosition(*Pick[slot])));
            if (k == 0) {
                ui.Text1->setText(ui.List1->List(listPosition(*Pick[slot])));
                ui.Image1->setPicture(ui.im1->ListImages(static_cast<int>(*Pick[slot])));
            }
        }
        if (!(Pick[0] == Pick[1] || Pick[0] == Pick[2] || Pick[1] == Pick[2]))
            return;
        platform::Randomize();
    }
}

void Form1::Check1_MouseDown() {
    checkAnswer(ui.Check1);
}

void Form1::Check2_MouseDown() {
    checkAnswer(ui.Check2);
}

void Form1::Check3_MouseDown() {
    checkAnswer(ui.Check3);
}

void Form1::checkAnswer(platform::CheckBox* pressed) {
    // A box that shows no country asks no question: before the first flag and after "New game"
    // a press must neither score nor report on a question that is not on the screen.
    if (pressed->Caption().isEmpty())
        return;
    for (platform::CheckBox* box : optionBoxes()) {
        if (box != pressed)
            box->setEnabled(false);
    }
    if (pressed->Caption() != ui.Text1->text()) {
        platform::MsgBox(QStringLiteral("Wrong. ") + QStringLiteral("The answer is ") +
                         ui.Text1->text() + QStringLiteral("."));
        return;
    }
    platform::SetFocus(ui.Command2);
    for (platform::CheckBox* box : optionBoxes())
        box->setEnabled(false);
    platform::MsgBox(QStringLiteral("Good."));
    ui.Label2->setText(platform::counterPlusOne(ui.Label2->text()));
}

// "New game": counters to "0", the boxes emptied and usable, the world map back in view.
void Form1::Command1_Click() {
    for (platform::CheckBox* box : optionBoxes())
        box->setEnabled(true);
    for (platform::CheckBox* box : optionBoxes())
        box->setCaption(QString());
    ui.Label1->setText(QStringLiteral("0"));
    ui.Label2->setText(QStringLiteral("0"));
    ui.Image1->setPicture(ui.Image2->Picture());
}
