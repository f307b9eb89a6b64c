// The host's messages for fixed seeds, byte for byte: a whole game of
// computer players per seed, watched by one connection that started it.
// HEARTS_UPDATE_GOLDEN=1 writes the file anew from this build.
#include "serverprocess.h"

#include <QFile>

#include <map>

namespace {

constexpr int kSeeds = 20;

const char* goldenPath() {
    return HEARTS_GOLDEN_STREAMS;
}

// "seed N" opens each game; every further line is one message.
std::map<int, std::vector<std::string>> readGolden() {
    std::map<int, std::vector<std::string>> games;
    QFile file(QString::fromLocal8Bit(goldenPath()));
    if (!file.open(QIODevice::ReadOnly)) {
        return games;
    }
    std::vector<std::string>* current = nullptr;
    while (!file.atEnd()) {
        std::string line = file.readLine().toStdString();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        if (line.rfind("seed ", 0) == 0) {
            current = &games[std::stoi(line.substr(5))];
        } else if (current != nullptr) {
            current->push_back(line);
        }
    }
    return games;
}

std::vector<std::string> playSeed(int seed) {
    ServerProcess server({"--seed", QString::number(seed), "--bot-speed", "0", "--pause-ms", "0"});
    return playWholeGame(server.port);
}

} // namespace

TEST(GoldenStreams, EverySeedPlaysTheRecordedGame) {
    if (qEnvironmentVariableIntValue("HEARTS_UPDATE_GOLDEN") == 1) {
        QFile file(QString::fromLocal8Bit(goldenPath()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int seed = 1; seed <= kSeeds; ++seed) {
            file.write("seed " + QByteArray::number(seed) + '\n');
            for (const std::string& message : playSeed(seed)) {
                file.write(QByteArray::fromStdString(message) + '\n');
            }
        }
        GTEST_SKIP() << "wrote " << goldenPath();
    }
    const auto golden = readGolden();
    ASSERT_EQ(golden.size(), static_cast<std::size_t>(kSeeds)) << goldenPath();
    for (const auto& [seed, expected] : golden) {
        const std::vector<std::string> played = playSeed(seed);
        ASSERT_EQ(played.size(), expected.size()) << "seed " << seed;
        for (std::size_t i = 0; i < played.size(); ++i) {
            ASSERT_EQ(played[i], expected[i]) << "seed " << seed << ", message " << i;
        }
    }
}
