// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words a screen reader hears for each thing the session tells.
#pragma once

#include <string>

#include "session/session.h"

namespace bridging::ui {

// `lessonSeconds` is the time since the lesson began, as the window measures it.
std::string NoticeText(const session::Notice& notice, const session::Session& session,
                       long lessonSeconds);

}  // namespace bridging::ui
