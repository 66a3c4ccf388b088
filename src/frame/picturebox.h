// A picture control: shows its picture unscaled at its top-left corner, and lets a region of
// another picture of the same size be copied onto it (the hover of the picture buttons).
#pragma once

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    void clearPicture();

    // Loads `path`; throws VelurinoError when it cannot be read as a picture.
    void loadPicture(const QString &path);
    // Loads `name` of `dir` when that file exists; leaves the picture as it was otherwise.
    bool loadPictureIfExists(const QString &dir, const QString &name);

    // Copies rectangle `area` of `source` onto the same rectangle of this picture.
    void copyRegion(const QImage &source, const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// Reads a picture file; throws VelurinoError (naming the file) when it is missing or unreadable.
QImage readPicture(const QString &path);
