// Turns the icon's XPM artwork into the files desktops need: PNG images at
// whole-number scales (nearest neighbour, so the pixel art stays crisp) and a
// Windows .ico holding the 32 and 16 pixel images. Standalone, so that it
// runs on the build machine wherever the program is built.
//
//   icon_tool png <in.xpm> <size> <out.png>
//   icon_tool ico <in32.xpm> <in16.xpm> <out.ico>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Rgba {
    std::uint8_t r, g, b, a;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> palette;
    std::vector<std::uint8_t> pixels; // palette indexes, row by row
};

std::vector<std::string> quotedStrings(const std::string& text) {
    std::vector<std::string> strings;
    std::size_t pos = 0;
    while ((pos = text.find('"', pos)) != std::string::npos) {
        const std::size_t end = text.find('"', pos + 1);
        if (end == std::string::npos)
            throw std::runtime_error("unterminated string in XPM");
        strings.push_back(text.substr(pos + 1, end - pos - 1));
        pos = end + 1;
    }
    return strings;
}

Image readXpm(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::vector<std::string> strings = quotedStrings(buffer.str());
    if (strings.empty())
        throw std::runtime_error("no XPM header in " + path);

    Image image;
    int colours = 0;
    int charsPerPixel = 0;
    std::istringstream header(strings[0]);
    header >> image.width >> image.height >> colours >> charsPerPixel;
    if (charsPerPixel != 1 || colours < 1 || colours > 256 ||
        strings.size() < static_cast<std::size_t>(1 + colours + image.height))
        throw std::runtime_error("unsupported XPM in " + path);

    std::map<char, std::uint8_t> indexOf;
    for (int i = 0; i < colours; ++i) {
        const std::string& line = strings[1 + i];
        const std::size_t c = line.find(" c ", 1);
        if (line.empty() || c == std::string::npos)
            throw std::runtime_error("bad colour line in " + path);
        const std::string value = line.substr(c + 3);
        Rgba rgba{0, 0, 0, 0};
        if (value != "None") {
            if (value.size() != 7 || value[0] != '#')
                throw std::runtime_error("colours must be #RRGGBB in " + path);
            const unsigned long rgb = std::stoul(value.substr(1), nullptr, 16);
            rgba = {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                    static_cast<std::uint8_t>(rgb), 255};
        }
        indexOf[line[0]] = static_cast<std::uint8_t>(i);
        image.palette.push_back(rgba);
    }
    for (int y = 0; y < image.height; ++y) {
        const std::string& row = strings[1 + colours + y];
        if (static_cast<int>(row.size()) != image.width)
            throw std::runtime_error("bad row length in " + path);
        for (char c : row) {
            const auto it = indexOf.find(c);
            if (it == indexOf.end())
                throw std::runtime_error("undefined colour in " + path);
            image.pixels.push_back(it->second);
        }
    }
    return image;
}

// Nearest neighbour: each output pixel takes the colour of the source pixel
// it falls in, so the artwork keeps its hard edges at any size.
Image scaled(const Image& image, int size) {
    if (image.width != image.height || size < 1)
        throw std::runtime_error("only square images scale");
    Image out;
    out.width = out.height = size;
    out.palette = image.palette;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int sourceX = x * image.width / size;
            const int sourceY = y * image.height / size;
            out.pixels.push_back(image.pixels[sourceY * image.width + sourceX]);
        }
    }
    return out;
}

// --- PNG: 8-bit palette image, stored (uncompressed) deflate blocks.

std::uint32_t crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
        c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void chunk(std::string& png, const char* type, const std::string& data) {
    putBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    png += typed;
    putBigEndian(png, crc32(typed));
}

std::string zlibStored(const std::string& raw) {
    std::string out("\x78\x01", 2);
    std::size_t pos = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + length == raw.size();
        out.push_back(last ? 1 : 0);
        putLittleEndian(out, static_cast<std::uint32_t>(length), 2);
        putLittleEndian(out, static_cast<std::uint32_t>(~length & 0xFFFF), 2);
        out.append(raw, pos, length);
        pos += length;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}

std::string png(const Image& image) {
    std::string out("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(image.width));
    putBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x03\x00\x00\x00", 5); // 8 bits, palette
    chunk(out, "IHDR", header);
    std::string palette, alpha;
    for (const Rgba& c : image.palette) {
        palette += static_cast<char>(c.r);
        palette += static_cast<char>(c.g);
        palette += static_cast<char>(c.b);
        alpha += static_cast<char>(c.a);
    }
    chunk(out, "PLTE", palette);
    chunk(out, "tRNS", alpha);
    std::string raw;
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // no filter
        raw.append(reinterpret_cast<const char*>(&image.pixels[y * image.width]), image.width);
    }
    chunk(out, "IDAT", zlibStored(raw));
    chunk(out, "IEND", "");
    return out;
}

// --- ICO: 32-bit BMP entries with their AND masks.

std::string bmpEntry(const Image& image) {
    std::string out;
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(image.width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(image.height * 2), 4); // colour + mask
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    putLittleEndian(out, 0, 4);
    const int maskStride = ((image.width + 31) / 32) * 4;
    putLittleEndian(
        out, static_cast<std::uint32_t>(image.width * image.height * 4 + maskStride * image.height),
        4);
    for (int i = 0; i < 4; ++i)
        putLittleEndian(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& c = image.palette[image.pixels[y * image.width + x]];
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
            out += static_cast<char>(c.a);
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.palette[image.pixels[y * image.width + x]].a == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

std::string ico(const std::vector<Image>& images) {
    std::string out;
    putLittleEndian(out, 0, 2);
    putLittleEndian(out, 1, 2); // icon
    putLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<std::string> entries;
    for (const Image& image : images)
        entries.push_back(bmpEntry(image));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out += static_cast<char>(images[i].width % 256);
        out += static_cast<char>(images[i].height % 256);
        out += '\0'; // more than 256 colours: no palette count
        out += '\0';
        putLittleEndian(out, 1, 2);
        putLittleEndian(out, 32, 2);
        putLittleEndian(out, static_cast<std::uint32_t>(entries[i].size()), 4);
        putLittleEndian(out, offset, 4);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const std::string& entry : entries)
        out += entry;
    return out;
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "png" && argc == 5) {
            write(argv[4], png(scaled(readXpm(argv[2]), std::stoi(argv[3]))));
        } else if (command == "ico" && argc == 5) {
            write(argv[4], ico({readXpm(argv[2]), readXpm(argv[3])}));
        } else {
            std::cerr << "usage: icon_tool png <in.xpm> <size> <out.png>\n"
                         "       icon_tool ico <in32.xpm> <in16.xpm> <out.ico>\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "icon_tool: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
