#include <cstdint>
#include <string>

#include "core/files/colour_scheme.h"
#include "core/files/scheme_store.h"
#include "fuzz_check.h"
#include "temp_folder.h"

// The bytes as the scheme store: read, written back, and every listed scheme loaded, previewed,
// written as a block, replaced and dropped. A block written by the program reads back as the
// colours it was written from; a rewrite never leaves the header it dropped.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    folder.write("all.col", std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = kalder::read_scheme_store(folder.file("all.col"));
    FUZZ_CHECK(lines.has_value());
    folder.write("all.col", kalder::store_text(*lines));
    FUZZ_CHECK(kalder::read_scheme_store(folder.file("all.col")) == lines);

    for (const std::string& name : kalder::list_schemes(*lines)) {
        const std::string header = name + ".col";
        kalder::SchemeTable loaded{};
        kalder::read_scheme_block(*lines, header, kalder::BlockReading::Load, loaded);
        kalder::SchemeTable table{};
        if (!kalder::read_scheme_block(*lines, header, kalder::BlockReading::Preview, table)) {
            continue;
        }
        const auto block = kalder::scheme_block(header, table);
        kalder::SchemeTable again{};
        FUZZ_CHECK(kalder::read_scheme_block(block, header, kalder::BlockReading::Preview, again));
        FUZZ_CHECK(again == table);

        const auto replaced = kalder::rewrite_blocks(*lines, header, block);
        const auto dropped = kalder::rewrite_blocks(*lines, header, {});
        FUZZ_CHECK(replaced.has_value() == dropped.has_value());
        if (!replaced) continue;
        FUZZ_CHECK(
            kalder::read_scheme_block(*replaced, header, kalder::BlockReading::Preview, again));
        FUZZ_CHECK(again == table);
        FUZZ_CHECK(!kalder::find_header(*dropped, header));
    }
    return 0;
}
