// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson box's widgets in design units, and a lesson run shown in them.
#include "ui/lesson/lesson_box.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "explain/lessons.h"
#include "ui/lesson/panel_widgets.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

// The box covers the panel's *now* and its row of buttons: a step's text may run to seven lines.
constexpr float ButtonsTop = 2220;
constexpr float TextBottom = 2160;

QPushButton* BoxButton(QWidget& panel, const char* name, std::string_view caption, float left,
                       const Zoom& zoom) {
    return PanelButton(panel, zoom, name, QtText(std::string(caption)), left, ButtonsTop);
}

}  // namespace

LessonBox::LessonBox(QWidget& panel, const Zoom& zoom, const std::vector<std::string>& titles,
                     const ActionSink& act, LessonBoxCalls calls) {
    heading_ = PanelLabel(panel, zoom, "lblLesson", 120, 120, 5160);
    zoom.SetFaceFont(*heading_, PanelPoints, true);
    list_ = new QComboBox(&panel);
    list_->setObjectName(QStringLiteral("cboLesson"));
    list_->setAccessibleName(QStringLiteral("Lessons"));
    for (const std::string& title : titles) list_->addItem(QtText(title));
    zoom.PlaceInTwips(*list_, 120, 480, 5160, 435);
    zoom.SetFaceFont(*list_, PanelPoints);
    text_ = WrappedLabel(panel, "lblLessonStep");
    zoom.SetFaceFont(*text_, PanelPoints - 1);

    start_ = BoxButton(panel, "btnLessonStart", explain::StartLessonCaption, 120, zoom);
    showMe_ = BoxButton(panel, "btnShowMe", explain::ShowMeCaption, 120, zoom);
    tryAgain_ = BoxButton(panel, "btnTryAgain", explain::TryAgainCaption, 1860, zoom);
    skip_ = BoxButton(panel, "btnSkip", explain::SkipCaption, 3600, zoom);
    copy_ = BoxButton(panel, "btnLessonCopy", explain::CopySummaryCaption, 120, zoom);
    QObject::connect(start_, &QPushButton::clicked, &panel, [this, act] {
        if (list_->currentIndex() >= 0) act(Act(ActionKind::StartLesson, list_->currentIndex()));
    });
    QObject::connect(list_, &QComboBox::currentIndexChanged, &panel,
                     [chosen = calls.chosen] { chosen(); });
    QObject::connect(showMe_, &QPushButton::clicked, &panel,
                     [act] { act(Act(ActionKind::ShowMe)); });
    QObject::connect(tryAgain_, &QPushButton::clicked, &panel,
                     [act] { act(Act(ActionKind::TryAgain)); });
    QObject::connect(skip_, &QPushButton::clicked, &panel, [act] { act(Act(ActionKind::Skip)); });
    QObject::connect(copy_, &QPushButton::clicked, &panel, calls.copySummary);
    zoom_ = &zoom;
    Show(LessonFacts{});
}

std::vector<QWidget*> LessonBox::FocusChain() const {
    return {list_, start_, showMe_, tryAgain_, skip_, copy_};
}

void LessonBox::Show(const LessonFacts& facts) {
    if (shown_ == facts) return;
    shown_ = facts;
    const bool choosing = facts.open && !facts.running;
    const bool stepping = facts.running && !facts.finished;
    heading_->setText(QtText(facts.heading));
    heading_->setVisible(facts.open);
    // The text starts under the list while choosing, under the heading otherwise.
    const float top = choosing ? 960 : 480;
    zoom_->PlaceInTwips(*text_, 120, top, 5160, TextBottom - top);
    text_->setText(QtText(facts.text));
    text_->setVisible(facts.open);
    // Shown before the others hide, so that a focus on a button that goes
    // moves on to one that comes.
    copy_->setVisible(facts.open && facts.finished);
    showMe_->setVisible(stepping);
    tryAgain_->setVisible(stepping);
    skip_->setVisible(stepping);
    start_->setVisible(choosing);
    list_->setVisible(choosing);
}

}  // namespace bridging::ui
