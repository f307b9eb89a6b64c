#pragma once

#include "sidewindow.h"

class Tgamestart : public SideWindow {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Hearts - Game Start"), parent) {}
};
