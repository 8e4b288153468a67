// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the game: any bytes are a session of commands.
#include <cstddef>
#include <cstdint>

#include "EngineSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tenebrix::fuzz::EngineSession session({data, size});
    session.run();
    return 0;
}
