#pragma once

#include <string>

namespace kalder::testing {

// A scheme store holding only the block start-up loads.
inline const std::string XpSchemeBlock =
    "xp.col\r\n 1; 1; 1\r\n 240; 240; 240\r\n 236; 233; 216\r\n 254; 254; 248\r\n"
    " 204; 201; 184\r\n 172; 169; 152\r\n 255; 255; 255\r\n 255; 255; 248\r\n"
    " 255; 255; 255\r\n 128; 0; 0\r\n 255; 0; 0\r\n 0; 128; 0\r\n 0; 255; 0\r\n";

}  // namespace kalder::testing
