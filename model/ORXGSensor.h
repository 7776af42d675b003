#pragma once

// One accelerometer sample in g.
class ORXGSensor
{
public:
    ORXGSensor() = default;
    ORXGSensor(float x, float y, float z) : m_x(x), m_y(y), m_z(z) {}

    float x() const { return m_x; }
    float y() const { return m_y; }
    float z() const { return m_z; }

private:
    float m_x = 0;
    float m_y = 0;
    float m_z = 0;
};
