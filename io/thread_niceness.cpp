// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/thread_niceness.h"

#include <sys/resource.h>
#include <unistd.h>

namespace kelvaro {

bool raiseThisThreadsNiceness(int above) {
    const auto thread = static_cast<id_t>(gettid());
    return setpriority(PRIO_PROCESS, thread, getpriority(PRIO_PROCESS, thread) + above) == 0;
}

}  // namespace kelvaro
