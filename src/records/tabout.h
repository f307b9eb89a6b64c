#pragma once

#include "protocol.h"
#include "sidewindow.h"
#include "turl.h"

#include <QLabel>

// The about window: logo, version, credits and the maker's link.
class Tabout : public SideWindow {
    Q_OBJECT
public:
    static constexpr const char* kVersion = protocol::kVersion;
    explicit Tabout(QWidget* parent = nullptr);

    // The version text the client sends at login.
    QLabel* version = nullptr;
    QLabel* Label7 = nullptr;
    TURL URL1;
    void Label7Click() { URL1.open(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void firstShow() override;

private:
    QLabel* m_logo = nullptr;
};
