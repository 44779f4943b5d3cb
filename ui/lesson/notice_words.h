// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words a screen reader hears for each thing the session tells, and for
// what the window tells of its own.
#pragma once

#include <cstddef>
#include <string>

#include "session/session.h"

namespace bridging::ui {

// `lessonSeconds` is the time since the lesson began, as the window measures it.
std::string NoticeText(const session::Notice& notice, const session::Session& session,
                       long lessonSeconds);

// "4 more lines in the log.": what happened and was not said.
std::string MoreLinesWords(std::size_t count);
// "Lesson panel shown." or "Lesson panel hidden."
std::string PanelWords(bool shown);

}  // namespace bridging::ui
