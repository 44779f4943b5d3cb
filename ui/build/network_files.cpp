// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file dialogs and the question about unsaved edits.
#include "ui/build/network_files.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "explain/building.h"
#include "session/session.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

QString Filter() {
    return QStringLiteral("Networks (*.%1);;All files (*)").arg(QLatin1String(NetworkExtension));
}

// Where a dialog opens: beside the file last opened or saved, or the home folder.
QString StartFolder(const session::Session& session) {
    if (session.File().empty()) return QDir::homePath();
    return QFileInfo(QtText(session.File())).absolutePath();
}

}  // namespace

NetworkFiles::NetworkFiles(QWidget& window, const session::Session& session)
    : window_(window), session_(session) {}

std::optional<Action> NetworkFiles::Complete(const Action& action, const ActionSink& act) {
    Action complete = action;
    switch (action.kind) {
        case ActionKind::OpenNetwork:
            if (!KeepEditsSafe(act)) return std::nullopt;
            if (complete.text.empty()) {
                const QString file = QFileDialog::getOpenFileName(
                    &window_, QStringLiteral("Open network"), StartFolder(session_), Filter());
                if (file.isEmpty()) return std::nullopt;
                complete.text = file.toStdString();
            }
            return complete;
        case ActionKind::SaveNetwork:
            if (!complete.text.empty()) return complete;
            if (action.index == 0 && !session_.File().empty()) {
                complete.text = session_.File();
                return complete;
            }
            {
                const network::Plan* plan = session_.Plan();
                const QString suggested =
                    QDir(StartFolder(session_))
                        .filePath(
                            (plan != nullptr ? QtText(plan->name) : QStringLiteral("network")) +
                            QLatin1Char('.') + QLatin1String(NetworkExtension));
                QString file = QFileDialog::getSaveFileName(
                    &window_, QStringLiteral("Save network"), suggested, Filter());
                if (file.isEmpty()) return std::nullopt;
                if (QFileInfo(file).suffix().isEmpty())
                    file += QLatin1Char('.') + QLatin1String(NetworkExtension);
                complete.text = file.toStdString();
            }
            return complete;
        case ActionKind::StartNetwork:
            if (!KeepEditsSafe(act)) return std::nullopt;
            return complete;
        default:
            return complete;
    }
}

bool NetworkFiles::MayClose(const ActionSink& act) { return KeepEditsSafe(act); }

// Asked only when there are edits that no file holds.
bool NetworkFiles::KeepEditsSafe(const ActionSink& act) {
    if (!session_.Unsaved()) return true;
    const network::Plan* plan = session_.Plan();
    QMessageBox question(QMessageBox::Warning, QApplication::applicationName(),
                         QStringLiteral("The network \"%1\" has edits that are not saved.")
                             .arg(plan != nullptr ? QtText(plan->name) : QString()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    question.setInformativeText(QStringLiteral("Save them before going on?"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
        case QMessageBox::Save:
            act(Act(ActionKind::SaveNetwork));
            // A save that failed or was cancelled keeps the edits, and the window.
            return !session_.Unsaved();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void NetworkFiles::ShowFailure(const session::FileFailed& failed) {
    auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(),
                                QtText(explain::FileErrorText(failed.error, failed.saving)),
                                QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
}

}  // namespace bridging::ui
