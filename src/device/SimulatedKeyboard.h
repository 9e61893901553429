#pragma once

// The simulated keyboard behind CZelkHWI. (Placeholder: the device library fills this in.)
class SimulatedKeyboard {
public:
    SimulatedKeyboard() = default;
};
