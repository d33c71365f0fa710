#pragma once

#include <QImage>

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
struct WorksheetDocument;

// The worksheet on pages: the title, the lines for a name and a date, the
// questions in two columns (one on narrow paper), each with room to work below
// it, then the answer key from a new page, a small picture beside each answer
// that has one. Every page carries the footer "Level 2 · seed 4711 · page 1
// of 3". A question with its room, and an answer with its picture, are never
// cut between pages or columns.
class WorksheetPages {
public:
    // Lays the sheet out on pages of size page (in device pixels of metrics,
    // the area inside the margins).
    WorksheetPages(const WorksheetDocument &sheet, QPaintDevice &metrics, QSizeF page);
    ~WorksheetPages();
    WorksheetPages(const WorksheetPages &) = delete;
    WorksheetPages &operator=(const WorksheetPages &) = delete;

    int pageCount() const;
    // Draws page (0 for the first) with painter, the page's area at (0, 0).
    void drawPage(QPainter &painter, int page) const;

    // Lays the sheet out on device's pages and draws every one of them.
    static void render(QPagedPaintDevice &device, const WorksheetDocument &sheet);
    // The first page, margins and all, width pixels wide, for a preview.
    static QImage firstPage(const WorksheetDocument &sheet, int width);

private:
    struct Layout;
    std::unique_ptr<Layout> layout_;
};
