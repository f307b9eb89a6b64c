#pragma once

#include "sidewindow.h"

class Tabout : public SideWindow {
    Q_OBJECT
public:
    explicit Tabout(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Hearts - About"), parent) {}
};
