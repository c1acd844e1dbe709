// Korvalin dial tester - an in-memory picture and the drawing operations the
// strips, charts and gauge faces are built from.
#pragma once

#include <memory>
#include <string>

#include "platform/colour.h"

namespace kvl {

// The two faces a drawn text can use. Both are built into the program, so a
// picture renders the same on every machine.
enum class TextFont {
    Surface,  // the drawing surface's default font of strips, charts and faces
    Font0,    // font 0: the large face of the blank strip and the printed page
};

// A picture of 24-bit colour (or, for the lamp icons, with a transparency
// mask). Coordinates: origin top left, x to the right, y downward. Every
// operation clips at the picture's edge; nothing is ever written outside it.
class Picture {
public:
    // A new picture is black in every pixel.
    Picture(int width, int height);
    Picture(const Picture &other);
    Picture &operator=(const Picture &other);
    Picture(Picture &&other) noexcept;
    Picture &operator=(Picture &&other) noexcept;
    ~Picture();

    int width() const;
    int height() const;
    bool hasAlpha() const;

    // Colour of one pixel; black outside the picture.
    Rgb pixel(int x, int y) const;
    // Opacity of one pixel (255 for pictures without a mask); 0 outside.
    int alpha(int x, int y) const;
    void setPixel(int x, int y, Rgb colour);

    // Columns x .. x+w-1, rows y .. y+h-1.
    void fillBox(int x, int y, int w, int h, Rgb colour);
    // As fillBox with corners rounded by ellipse quarters of radii rx, ry.
    void fillRoundedBox(int x, int y, int w, int h, int rx, int ry, Rgb colour);
    // A disc 2r+1 pixels across centred on (cx, cy).
    void fillCircle(int cx, int cy, int r, Rgb colour);
    // Both end points included; cut at the picture's edge.
    void line(int x1, int y1, int x2, int y2, Rgb colour);
    // w columns by h rows from (x, y); nothing when w or h is 0 (or negative).
    void lineByExtent(int x, int y, int w, int h, Rgb colour);

    // (x, y) is the top left of the text cell; the cell is not filled.
    void text(int x, int y, const std::string &utf8, Rgb colour, TextFont font = TextFont::Surface);
    // As text, with the cell filled in the background colour first.
    void textOnBackground(int x, int y, const std::string &utf8, Rgb colour, Rgb background,
                          TextFont font = TextFont::Surface);
    // The text turned counter-clockwise by angleDegrees about (x, y).
    void rotatedText(int x, int y, const std::string &utf8, int angleDegrees, Rgb colour,
                     TextFont font = TextFont::Surface);

    // Copies every pixel of source with its top left at (x, y).
    void drawPicture(const Picture &source, int x, int y);
    // The whole source stretched into the rectangle.
    void drawPictureScaled(const Picture &source, int x, int y, int w, int h);

    // Row y as width() * 3 bytes in the order red, green, blue (24-bit pictures).
    const unsigned char *rgbRow(int y) const;

    struct Impl;
    Impl &impl() { return *m_impl; }
    const Impl &impl() const { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

// Pictures addressed by number. A drawn picture is made anew each time it is
// drawn and replaces the earlier picture of that number.
class PictureStore {
public:
    virtual ~PictureStore() = default;
    // Makes picture `number` anew, black, replacing any earlier one; nullptr on failure.
    virtual Picture *create(int number, int width, int height) = 0;
    // Stores a ready picture (decoded resources) under `number`.
    virtual void put(int number, Picture picture) = 0;
    // nullptr when there is no picture of that number.
    virtual Picture *find(int number) = 0;
    virtual void clear() = 0;
};

// The store of the program and of most tests.
class MemoryPictureStore : public PictureStore {
public:
    MemoryPictureStore();
    ~MemoryPictureStore() override;
    Picture *create(int number, int width, int height) override;
    void put(int number, Picture picture) override;
    Picture *find(int number) override;
    void clear() override;

private:
    struct Store;
    std::unique_ptr<Store> m_store;
};

}  // namespace kvl
