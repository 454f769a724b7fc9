// SPDX-License-Identifier: GPL-2.0-or-later
// The trivia control library: its description of itself and its four exports.

#include "file/ctlfile.h"
#include "framework/server.h"
#include "qsort/ctlqsort.h"

#define TRIVIA_EXPORT extern "C" __attribute__((visibility("default")))

using namespace trivia;

namespace {

const ServerDesc& library() {
    static const ServerDesc desc{QStringLiteral("triviactl"),
                                 QStringLiteral(":/triviactl/triviactl.json"),
                                 {{QStringLiteral("ctlQsort"), &createControl<CtlQsort>},
                                  {QStringLiteral("ctlFile"), &createControl<CtlFile>}}};
    return desc;
}

} // namespace

TRIVIA_EXPORT int32_t DllCanUnloadNow(void) {
    return server::canUnloadNow();
}

TRIVIA_EXPORT int32_t DllGetClassObject(const Guid* clsid, const Guid* iid, void** ppv) {
    return server::getClassObject(library(), clsid, iid, ppv);
}

TRIVIA_EXPORT int32_t DllRegisterServer(void) {
    return server::registerServer(library());
}

TRIVIA_EXPORT int32_t DllUnregisterServer(void) {
    return server::unregisterServer(library());
}
