#include "components/office/uno_engine.h"

#ifndef HEXIA_HAVE_UNO

namespace hexia::office {

std::unique_ptr<ConversionEngine> StartUnoEngine(const std::string&, const std::string&, const std::string&,
                                                 std::chrono::milliseconds) {
    return nullptr;
}

} // namespace hexia::office

#endif
