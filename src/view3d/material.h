#pragma once

#include <array>

// Fixed-function material of a mesh's front faces (RGBA colours).
struct Material
{
    std::array<float, 4> ambient = {0.2f, 0.2f, 0.2f, 1.0f};
    std::array<float, 4> diffuse = {0.8f, 0.8f, 0.8f, 1.0f};
    std::array<float, 4> specular = {0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
};
