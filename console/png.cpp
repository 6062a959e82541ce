// PNG output of the composed screen, written with stb_image_write.
#include "console/png.h"

#include <array>
#include <stdexcept>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace con {

void write_png(const Screen& screen, const std::string& path) {
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(kPlaneWidth) * kPlaneHeight);
    screen.compose(indices.data());
    std::array<std::array<std::uint8_t, 3>, 256> rgb{};
    for (int i = 0; i < 256; ++i) rgb[i] = palette_rgb(i);
    std::vector<std::uint8_t> pixels(indices.size() * 3);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const auto& c = rgb[indices[i]];
        pixels[3 * i] = c[0];
        pixels[3 * i + 1] = c[1];
        pixels[3 * i + 2] = c[2];
    }
    if (!stbi_write_png(path.c_str(), kPlaneWidth, kPlaneHeight, 3, pixels.data(), kPlaneWidth * 3))
        throw std::runtime_error("cannot write the picture to " + path);
}

}  // namespace con
