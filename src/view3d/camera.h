#pragma once

#include <QString>

#include <array>

// Orbit camera of the 3D view: the eye circles a look-at point at a distance
// given by a yaw and a pitch. Angles in degrees, lengths in millimetres,
// matrices column-major as OpenGL loads them.
class Camera
{
public:
    using Matrix = std::array<float, 16>;

    Camera();

    // Yaw wraps by one turn into [0, 360], pitch stops at -90 and 90.
    void setAngles(float yaw, float pitch);
    // Clamped to [1000, 30000].
    void setDistance(float distance);
    // Moves the eye and the look-at point together, in the yaw-turned frame.
    void pan(float x, float y, float z);
    float yaw() const { return m_yaw; }
    float pitch() const { return m_pitch; }
    float distance() const { return m_distance; }

    // 0 to 3 are taken; any larger number selects preset 0. Requests no
    // repaint: the view shows the new camera at its next repaint.
    void setPreset(unsigned preset);
    unsigned preset() const { return m_preset; }
    // The preset after the current one; after "YZ" comes "Reset".
    void nextPreset();
    static QString presetName(unsigned preset);
    QString nextPresetName() const;

    // The first forms store the viewport size; both compute, store and
    // return the projection for the stored size.
    const Matrix& perspective(int width, int height);
    const Matrix& perspective();
    const Matrix& orthographic(int width, int height);
    const Matrix& orthographic();
    const Matrix& viewMatrix();

private:
    void applyPreset();

    int m_width = 1;
    int m_height = 1;
    float m_near = 0.1f;
    float m_far = 1e8f;
    float m_fovY = 45.0f;
    float m_distance = 15000.0f;
    float m_minDistance = 1000.0f;
    float m_maxDistance = 30000.0f;
    Matrix m_projection;
    Matrix m_view;
    std::array<float, 3> m_eyeOffset = {0.0f, 0.0f, 0.0f};
    std::array<float, 3> m_centerOffset = {0.0f, 0.0f, 0.0f};
    std::array<float, 3> m_up = {0.0f, 0.0f, 1.0f};
    float m_yaw = 0.0f;
    float m_pitch = 45.0f;
    float m_yawMin = 0.0f;
    float m_pitchMin = -90.0f;
    float m_yawMax = 360.0f;
    float m_pitchMax = 90.0f;
    unsigned char m_preset = 0;
};
