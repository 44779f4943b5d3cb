// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The predict box's widgets in design units, and showing predict mode in them.
#include "ui/lesson/predict_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "explain/questions.h"
#include "ui/lesson/panel_widgets.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

constexpr float Left = 120;
constexpr float Width = 5160;
constexpr float PromptHeight = 660;
constexpr float AnswerHeight = 630;
constexpr float AnswerPitch = 690;

}  // namespace

PredictFacts FactsOf(const predict::PredictMode& mode) {
    const predict::Predictor& settings = mode.Questions();
    PredictFacts facts{
        settings.On(), settings.AsksEveryDecision(), settings.Stop(), settings.Score(), {}, {}, {}};
    if (const predict::Question* question = settings.Current()) {
        facts.prompt = question->prompt;
        for (const predict::Answer& answer : question->answers)
            facts.answers.push_back(answer.text);
    } else if (const std::optional<predict::Feedback>& feedback = mode.LastFeedback()) {
        facts.prompt = mode.LastPrompt();
        facts.feedback = feedback->text;
    }
    return facts;
}

PredictBox::PredictBox(QWidget& panel, const Zoom& zoom, float top, float questionTop,
                       const ActionSink& act)
    : zoom_(zoom) {
    on_ = new QCheckBox(QString::fromUtf8(explain::PredictCaption), &panel);
    on_->setObjectName(QStringLiteral("chkPredict"));
    zoom_.PlaceInTwips(*on_, Left, top, 1500, 330);
    askEvery_ = new QCheckBox(QString::fromUtf8(explain::AskEveryCaption), &panel);
    askEvery_->setObjectName(QStringLiteral("chkAskEvery"));
    zoom_.PlaceInTwips(*askEvery_, 1740, top, Width + Left - 1740, 330);
    QObject::connect(on_, &QCheckBox::toggled, &panel,
                     [act](bool on) { act(Act(ActionKind::SetPredict, on ? 1 : 0)); });
    QObject::connect(askEvery_, &QCheckBox::toggled, &panel,
                     [act](bool every) { act(Act(ActionKind::SetAskEvery, every ? 1 : 0)); });

    auto* stopLabel = new QLabel(QString::fromUtf8(explain::StopBeforeCaption), &panel);
    stopLabel->setObjectName(QStringLiteral("lblStopBefore"));
    zoom_.PlaceInTwips(*stopLabel, Left, top + 450, 1380, 330);
    stop_ = new QComboBox(&panel);
    stop_->setObjectName(QStringLiteral("cboStopBefore"));
    stop_->setAccessibleName(QStringLiteral("Stop before"));
    for (const char* choice : explain::StopBeforeChoices) stop_->addItem(QString::fromUtf8(choice));
    zoom_.PlaceInTwips(*stop_, 1500, top + 390, Width + Left - 1500, 435);
    stopLabel->setBuddy(stop_);
    QObject::connect(stop_, &QComboBox::activated, &panel,
                     [act](int index) { act(Act(ActionKind::SetStopBefore, index)); });
    score_ = new QLabel(&panel);
    score_->setObjectName(QStringLiteral("lblScore"));
    score_->setTextFormat(Qt::PlainText);
    zoom_.PlaceInTwips(*score_, Left, top + 900, Width, 330);

    prompt_ = WrappedLabel(panel, "lblQuestion");
    zoom_.PlaceInTwips(*prompt_, Left, questionTop, Width, PromptHeight);
    const float answersTop = questionTop + PromptHeight + 60;
    for (std::size_t i = 0; i < MostAnswers; ++i) {
        auto* button = new QPushButton(&panel);
        button->setObjectName(QStringLiteral("btnAnswer%1").arg(i + 1));
        button->setContextMenuPolicy(Qt::PreventContextMenu);
        zoom_.PlaceInTwips(*button, Left, answersTop + AnswerPitch * static_cast<float>(i), Width,
                           AnswerHeight);
        // A button's own caption does not wrap; the label inside does, and
        // leaves the clicks to the button.
        auto* layout = new QHBoxLayout(button);
        layout->setContentsMargins(6, 0, 6, 0);
        QLabel* text = WrappedLabel(*button, "lblAnswerText");
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(text);
        answers_[i] = button;
        answerTexts_[i] = text;
        QObject::connect(button, &QPushButton::clicked, &panel,
                         [act, i] { act(Act(ActionKind::Answer, static_cast<int>(i))); });
    }
    feedback_ = WrappedLabel(panel, "lblFeedback");
    zoom_.PlaceInTwips(*feedback_, Left, answersTop, Width, 1200);
    watchAgain_ = new QPushButton(QString::fromUtf8(explain::WatchAgainCaption), &panel);
    watchAgain_->setObjectName(QStringLiteral("btnWatchAgain"));
    watchAgain_->setContextMenuPolicy(Qt::PreventContextMenu);
    zoom_.PlaceInTwips(*watchAgain_, Left, answersTop + 1260, 1620, 495);
    QObject::connect(watchAgain_, &QPushButton::clicked, &panel,
                     [act] { act(Act(ActionKind::WatchAgain)); });

    for (QWidget* widget : FocusChain()) zoom_.SetFaceFont(*widget, PanelPoints);
    zoom_.SetFaceFont(*stopLabel, PanelPoints);
    zoom_.SetFaceFont(*score_, PanelPoints);
    zoom_.SetFaceFont(*prompt_, PanelPoints, true);
    zoom_.SetFaceFont(*feedback_, PanelPoints);
    for (QLabel* text : answerTexts_) zoom_.SetFaceFont(*text, PanelPoints);
    Show(PredictFacts{});
}

std::vector<QWidget*> PredictBox::FocusChain() const {
    std::vector<QWidget*> chain{on_, askEvery_, stop_};
    chain.insert(chain.end(), answers_.begin(), answers_.end());
    chain.push_back(watchAgain_);
    return chain;
}

void PredictBox::Show(const PredictFacts& facts) {
    if (shown_ == facts) return;
    shown_ = facts;
    {
        const QSignalBlocker blockOn(on_);
        const QSignalBlocker blockEvery(askEvery_);
        on_->setChecked(facts.on);
        askEvery_->setChecked(facts.askEvery);
    }
    stop_->setCurrentIndex(static_cast<int>(facts.stop));
    score_->setText(QtText(facts.score));
    prompt_->setText(QtText(facts.prompt));
    prompt_->setVisible(facts.Questioning());
    // Watch again is shown before the answers hide, so that the focus on an
    // answer just pressed moves on to it.
    feedback_->setText(QtText(facts.feedback));
    feedback_->setVisible(!facts.feedback.empty());
    watchAgain_->setVisible(!facts.feedback.empty());
    for (std::size_t i = 0; i < MostAnswers; ++i) {
        const bool shown = i < facts.answers.size();
        const QString caption =
            shown ? QtText(explain::NumberedAnswer(i, facts.answers[i])) : QString();
        answerTexts_[i]->setText(caption);
        answers_[i]->setAccessibleName(caption);
        answers_[i]->setVisible(shown);
    }
}

}  // namespace bridging::ui
