#include "storage/sha256.h"

#include <gtest/gtest.h>

namespace lumitrak {

// The standard's own examples, and a message that needs a second block for its length.
TEST(Sha256, GivesTheStandardDigests) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& [message, digest] : cases) EXPECT_EQ(sha256Hex(message), digest) << message;
}

}  // namespace lumitrak
