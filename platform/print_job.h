// Korvalin dial tester - one printed page in printer pixels.
#pragma once

#include <string>

#include "platform/colour.h"
#include "platform/picture.h"

namespace kvl {

class PageSurface {
public:
    virtual ~PageSurface() = default;
    // The whole picture stretched into the rectangle.
    virtual void drawPictureScaled(const Picture &picture, int x, int y, int w, int h) = 0;
    virtual void selectFont(TextFont font) = 0;
    virtual void setTextBackground(Rgb colour) = 0;
    virtual void setTextColour(Rgb colour) = 0;
    // (x, y) is the top left; the text cell is filled with the background colour.
    virtual void text(int x, int y, const std::string &utf8) = 0;
};

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Starts a document of that name and opens its first page; false on failure.
    virtual bool start(const std::string &jobName) = 0;
    // nullptr when drawing on the page cannot start.
    virtual PageSurface *beginDrawing() = 0;
    virtual void endDrawing() = 0;
    // Closes the page and the document, which then goes to the printer.
    virtual void endPageAndJob() = 0;
};

}  // namespace kvl
