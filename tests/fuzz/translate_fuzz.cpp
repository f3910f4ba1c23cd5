// Fuzz target: any text must end in a program or in at least one report,
// without a crash, a sanitizer report or a hang.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "translator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tavolux::Translator translator;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = translator.TranslateProgram(text, "FUZZ.BAS");
    if (result.flagError) {
        if (result.asmText.find("<*> ERRORE : ") == std::string::npos) std::abort();
    } else {
        if (result.asmText.find("        END\r\n") == std::string::npos) std::abort();
        if (result.statistics.empty()) std::abort();
    }
    return 0;
}
