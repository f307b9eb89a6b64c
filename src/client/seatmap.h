#pragma once

// Where the client draws each seat: its own seat at the bottom (display
// position 1), the next seat to the left (2), the one across at the top (3),
// the previous one to the right (4). A watcher sees seat s at position s, and
// so does everyone until the mapping is fixed at the own arrival.
class SeatMap {
public:
    void fix(int mySeat) {
        m_mySeat = mySeat;
        m_fixed = true;
    }

    bool fixed() const { return m_fixed; }

    int position(int seat) const {
        if (!m_fixed || m_mySeat < 1 || m_mySeat > 4) {
            return seat;
        }
        return 1 + (((seat - m_mySeat) % 4) + 4) % 4;
    }

private:
    int m_mySeat = 0;
    bool m_fixed = false;
};
