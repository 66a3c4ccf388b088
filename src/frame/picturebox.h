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

    // The picture shown; one named by loadPictureIfExists is decoded here, at its first use.
    const QImage &picture() const;
    void setPicture(const QImage &picture);

    // Loads `path`; throws VelurinoError when it cannot be read as a picture.
    void loadPicture(const QString &path);
    // Shows `name` of `dir` when that file exists; leaves the picture as it was otherwise. The
    // file is decoded when the picture is first painted or asked for, not here.
    bool loadPictureIfExists(const QString &dir, const QString &name);

    // Copies rectangle `area` of `source` onto the same rectangle of this picture.
    void copyRegion(const QImage &source, const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void decodePending() const;

    mutable QImage m_picture;
    mutable QString m_pending; // a file still to be decoded into m_picture
};

// Reads a picture file through the shared cache; throws VelurinoError (naming the file) when it
// is missing or unreadable.
QImage readPicture(const QString &path);
