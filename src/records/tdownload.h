#pragma once

#include "sidewindow.h"

class Tdownload : public SideWindow {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Download The Orvane Lobby"), parent) {}
};
