// VEVIDER.INI as an administrator might have edited it: any bytes, any
// sections, keys and paths.

#include "fuzz_input.h"
#include "platform/install_ini.h"

using namespace vz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString ini = fuzz::inputFile(fuzz::bytes(data, size), "VEVIDER.INI");
    const auto paths = platform::readInstallPaths(ini);
    if (paths) {
        VZ_FUZZ_REQUIRE(paths->resourceDir.endsWith(QLatin1Char('/')));
        VZ_FUZZ_REQUIRE(paths->dataDir.endsWith(QLatin1Char('/')));
    }
    // Keys are found whatever their case.
    VZ_FUZZ_REQUIRE(platform::readIniValue(ini, "DID1", "CD") ==
                    platform::readIniValue(ini, "did1", "cd"));
    return 0;
}
