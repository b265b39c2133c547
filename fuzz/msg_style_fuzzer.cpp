#include <cstdint>
#include <string>

#include "core/msgbox/msg_form.h"
#include "core/msgbox/msg_style.h"
#include "fake_platform.h"
#include "fuzz_check.h"

// The parser alone, then a whole message box laid out and answered with that style.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string style(reinterpret_cast<const char*>(data), size);
    for (const int slot : kalder::parse_msg_style(style).icon_slots) {
        FUZZ_CHECK(slot >= 0 && slot < kalder::MsgForm::IconSlots);
    }
    kalder::testing::FakePlatform platform;
    kalder::MsgForm form(platform);
    const int code = kalder::MsgboxA(form, platform, "Message\r\nsecond line", style);
    FUZZ_CHECK(code >= 0 && code <= 7);
    return 0;
}
