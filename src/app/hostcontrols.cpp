#include "hostcontrols.h"

#include "settingsstore.h"
#include "tserver.h"

#include <QActionGroup>

HostControls::HostControls(SettingsStore& store, QObject* parent)
    : QObject(parent), m_store(store) {}

QMenu* HostControls::limitMenu(QMenu* options, const QString& title, bool turn,
                               std::initializer_list<std::pair<const char*, int>> choices) {
    QMenu* menu = options->addMenu(title);
    auto* group = new QActionGroup(menu);
    for (const auto& choice : choices) {
        // A plain variable: clang 14 cannot capture a structured binding.
        const int seconds = choice.second;
        QAction* item = menu->addAction(QString::fromUtf8(choice.first));
        item->setCheckable(true);
        item->setData(seconds);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, turn, seconds] {
            Settings settings = m_store.load();
            (turn ? settings.turnTimeoutSeconds : settings.loginTimeoutSeconds) = seconds;
            m_store.saveTimeLimits(settings);
            applyTimeLimits();
        });
    }
    return menu;
}

void HostControls::addMenus(QMenu* options) {
    TurnTimeLimit1 =
        limitMenu(options, QStringLiteral("Turn Time &Limit"), true,
                  {{"Off", 0}, {"30 Seconds", 30}, {"1 Minute", 60}, {"2 Minutes", 120}});
    LoginTimeLimit1 = limitMenu(options, QStringLiteral("Log&in Time Limit"), false,
                                {{"Off", 0}, {"20 Seconds", 20}, {"1 Minute", 60}});
    AllowHints1 = options->addAction(QStringLiteral("Allow &Hints at My Table"));
    AllowHints1->setCheckable(true);
    connect(AllowHints1, &QAction::toggled, this, [this](bool on) {
        if (m_server != nullptr) {
            m_server->setHintsAllowed(on);
        }
    });
}

void HostControls::applyTimeLimits() {
    const Settings settings = m_store.load();
    auto mark = [](QMenu* menu, int seconds) {
        for (QAction* item : menu->actions()) {
            item->setChecked(item->data().toInt() == seconds);
        }
        return seconds;
    };
    const int turn = mark(TurnTimeLimit1, settings.turnTimeoutSeconds);
    const int login = mark(LoginTimeLimit1, settings.loginTimeoutSeconds);
    if (m_server != nullptr) {
        m_server->setTurnTimeoutMs(turn * 1000);
        m_server->setLoginTimeoutMs(login * 1000);
    }
}

void HostControls::applyComputerLevel(bool strong) {
    if (m_server != nullptr) {
        HostGame::Levels levels{};
        levels.fill(strong ? hearts::Level::Strong : hearts::Level::Classic);
        m_server->setLevels(levels);
    }
}
