// Korvalin dial tester tests - which port names reach which device.
#include <gtest/gtest.h>

#include <set>

#include "contacts/port_names.h"

namespace kvl {
namespace {

struct NameCase {
    const char *name;
    const char *device;  // nullptr: not usable
};

const NameCase nameCases[] = {
    {"COM1", "/dev/ttyS0"},
    {"COM4", "/dev/ttyS3"},
    {"COM5", "/dev/ttyUSB0"},
    {"COM12", "/dev/ttyUSB7"},
    {"COM20", "/dev/ttyUSB15"},
    {"COM21", "/dev/ttyACM0"},
    {"COM26", "/dev/ttyACM5"},
    {"COM0", nullptr},
    {"COM27", nullptr},
    {"COM99", nullptr},
    {"COM100", nullptr},
    {"COM03", nullptr},
    {"COM 3", nullptr},
    {"COM2   1", nullptr},
    {" COM3", nullptr},
    {"COM3 ", nullptr},
    {"com3", nullptr},
    {"Com3", nullptr},
    {"COM", nullptr},
    {"", nullptr},
    {"COM-3", nullptr},
    {"COM+3", nullptr},
    {"COM3\n", nullptr},
    {"COM1/../../etc/passwd", nullptr},
    {"/dev/ttyS0", nullptr},
    {"ttyUSB0", nullptr},
    {"COM\xef\xbc\x93", nullptr},
};

class PortNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(PortNames, MapsOnlyTheExactNames) {
    const NameCase &c = GetParam();
    const std::optional<std::string> device = devicePathForPort(c.name);
    if (c.device == nullptr) {
        EXPECT_FALSE(device.has_value()) << '"' << c.name << "\" gave " << device.value_or("");
    } else {
        ASSERT_TRUE(device.has_value()) << '"' << c.name << '"';
        EXPECT_EQ(*device, c.device);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PortNames, ::testing::ValuesIn(nameCases));

// Every probed name has its own device, so no two ports are the same one.
TEST(PortNamesAll, TheTwentySixNamesMapToDistinctDevices) {
    std::set<std::string> devices;
    for (int n = 1; n <= highestPortNumber; ++n) {
        const auto device = devicePathForPort("COM" + std::to_string(n));
        ASSERT_TRUE(device.has_value()) << n;
        EXPECT_TRUE(devices.insert(*device).second) << *device;
    }
}

}  // namespace
}  // namespace kvl
