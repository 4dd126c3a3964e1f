#include "view3d/camera.h"

#include <QCoreApplication>

#include "parameter/matrix4.h"

#include <cmath>

namespace {

constexpr unsigned presetCount = 4;

struct PresetView
{
    float yaw;
    float pitch;
};
// Reset, XZ, XY, YZ.
constexpr PresetView presetViews[presetCount] = {{0, 45}, {0, 0}, {0, 90}, {90, 0}};
constexpr float presetDistance = 15000.0f;

using Vec3 = Matrix4::Vector;

Vec3 rotateX(const Vec3& v, float degrees)
{
    return Matrix4::transformPoint(Matrix4::rotationX(degrees), v);
}

Vec3 rotateZ(const Vec3& v, float degrees)
{
    return Matrix4::transformPoint(Matrix4::rotationZ(degrees), v);
}

Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float dot(const Vec3& a, const Vec3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 normalized(const Vec3& v)
{
    const float length = std::sqrt(dot(v, v));
    if (length == 0.0f)
        return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

} // namespace

Camera::Camera() : m_projection(Matrix4::identity()), m_view(Matrix4::identity()) {}

void Camera::setPreset(unsigned preset)
{
    m_preset = static_cast<unsigned char>(preset < presetCount ? preset : 0);
    applyPreset();
}

void Camera::nextPreset()
{
    m_preset = static_cast<unsigned char>((m_preset + 1) % presetCount);
    applyPreset();
}

QString Camera::presetName(unsigned preset)
{
    static const QString names[presetCount] = {QCoreApplication::translate("QObject", "Reset"),
                                               QStringLiteral("XZ"), QStringLiteral("XY"),
                                               QStringLiteral("YZ")};
    return preset < presetCount ? names[preset] : QString();
}

QString Camera::nextPresetName() const
{
    return presetName((m_preset + 1) % presetCount);
}

void Camera::setAngles(float yaw, float pitch)
{
    m_yaw = yaw;
    m_pitch = pitch;
    if (m_yaw > m_yawMax)
        m_yaw -= 360.0f;
    else if (m_yaw < m_yawMin)
        m_yaw += 360.0f;
    if (m_pitch < m_pitchMin)
        m_pitch = m_pitchMin;
    else if (m_pitch > m_pitchMax)
        m_pitch = m_pitchMax;
}

void Camera::setDistance(float distance)
{
    m_distance = distance < m_minDistance   ? m_minDistance
                 : distance > m_maxDistance ? m_maxDistance
                                            : distance;
}

void Camera::pan(float x, float y, float z)
{
    for (auto* offset : {&m_eyeOffset, &m_centerOffset}) {
        (*offset)[0] += x;
        (*offset)[1] += y;
        (*offset)[2] += z;
    }
}

void Camera::applyPreset()
{
    m_eyeOffset = {0.0f, 0.0f, 0.0f};
    m_centerOffset = {0.0f, 0.0f, 0.0f};
    m_distance = presetDistance;
    m_yaw = presetViews[m_preset].yaw;
    m_pitch = presetViews[m_preset].pitch;
}

const Camera::Matrix& Camera::perspective(int width, int height)
{
    m_width = width;
    m_height = height;
    return perspective();
}

const Camera::Matrix& Camera::perspective()
{
    const float aspect = float(m_width) / float(m_height > 0 ? m_height : 1);
    const float f = 1.0f / std::tan(m_fovY * Matrix4::radiansPerDegree / 2.0f);
    m_projection = Matrix{};
    m_projection[0] = f / aspect;
    m_projection[5] = f;
    m_projection[10] = -(m_far + m_near) / (m_far - m_near);
    m_projection[11] = -1.0f;
    m_projection[14] = -2.0f * m_far * m_near / (m_far - m_near);
    return m_projection;
}

const Camera::Matrix& Camera::orthographic(int width, int height)
{
    m_width = width;
    m_height = height;
    return orthographic();
}

const Camera::Matrix& Camera::orthographic()
{
    // Zooming changes the distance, so it scales the parallel view too.
    const float half = m_distance / 4.0f;
    const float width = float(m_width > 0 ? m_width : 1);
    const float height = float(m_height > 0 ? m_height : 1);
    float halfWidth = half;
    float halfHeight = half;
    if (width < height)
        halfHeight = half * height / width;
    else
        halfWidth = half * width / height;
    // Depth range [-far, far], so nothing behind the look-at point is cut.
    const float zNear = -m_far;
    const float zFar = m_far;
    m_projection = Matrix{};
    m_projection[0] = 1.0f / halfWidth;
    m_projection[5] = 1.0f / halfHeight;
    m_projection[10] = -2.0f / (zFar - zNear);
    m_projection[14] = -(zFar + zNear) / (zFar - zNear);
    m_projection[15] = 1.0f;
    return m_projection;
}

const Camera::Matrix& Camera::viewMatrix()
{
    const Vec3 orbit = rotateX({0.0f, m_distance, 0.0f}, m_pitch);
    const Vec3 eye = rotateZ(
        {m_eyeOffset[0] + orbit[0], m_eyeOffset[1] + orbit[1], m_eyeOffset[2] + orbit[2]}, m_yaw);
    const Vec3 center = rotateZ(m_centerOffset, m_yaw);
    // The up vector turns with the pitch, so looking straight down never
    // degenerates.
    const Vec3 up = rotateZ(rotateX(m_up, m_pitch), m_yaw);

    const Vec3 f = normalized({center[0] - eye[0], center[1] - eye[1], center[2] - eye[2]});
    const Vec3 s = normalized(cross(f, up));
    const Vec3 u = cross(s, f);
    m_view = {s[0], u[0], -f[0], 0.0f, s[1],         u[1],         -f[1],       0.0f,
              s[2], u[2], -f[2], 0.0f, -dot(s, eye), -dot(u, eye), dot(f, eye), 1.0f};
    return m_view;
}
