// The built-in pictures: their formats and sizes, their pairing with the catalogue, and what
// happens when one is missing.

#include "content/catalogue.h"
#include "content/pictures.h"
#include "platform/image_control.h"
#include "platform/image_list.h"
#include "platform/picture.h"
#include "quiz_window/form1.h"
#include "support/seams.h"
#include "ui_missing_picture.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray builtIn(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct JpegFrame {
    int marker = 0; // 0xc0 baseline, 0xc2 progressive, ...
    int precision = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

// Walks the JPEG markers up to the first start-of-frame segment.
JpegFrame jpegFrame(const QByteArray& data) {
    JpegFrame frame;
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data.at(at)); };
    if (data.size() < 4 || byte(0) != 0xff || byte(1) != 0xd8)
        return frame;
    qsizetype at = 2;
    while (at + 9 < data.size() && byte(at) == 0xff) {
        const int marker = byte(at + 1);
        const int length = byte(at + 2) << 8 | byte(at + 3);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 &&
            marker != 0xcc) {
            frame.marker = marker;
            frame.precision = byte(at + 4);
            frame.height = byte(at + 5) << 8 | byte(at + 6);
            frame.width = byte(at + 7) << 8 | byte(at + 8);
            frame.components = byte(at + 9);
            return frame;
        }
        at += 2 + length;
    }
    return frame;
}

template <typename T> T little(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<T>(data.constData() + at);
}

QString tableFile() {
    return QStringLiteral(VANDREL_SOURCE_DIR "/tools/flags.tsv");
}

} // namespace

// A window whose stored layout names a picture that is not built in.
class MissingPictureForm : public platform::Form {
public:
    MissingPictureForm() {
        ui.setupUi(this);
        applyStoredLayout();
    }
    Ui::MissingPicture ui;
};

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void jpegFiles_data();
    void jpegFiles();
    void noticePictureIsUncompressed24BitBitmap();
    void iconHoldsTwo16ColourImages();
    void flagTableCoversCatalogueOneToOne();
    void flagsArePairedWithNames_data();
    void flagsArePairedWithNames();
    void placeholderIsHeldTwice();
    void everyFlagPictureDiffers();
    void missingPictureIsReportedBeforeShowing();
    void windowCarriesIcon();
    void pictureListReportsMissingAndUndecodable();

private:
    FrozenClock clock_;
};

void TestPictures::jpegFiles_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    for (int index = 1; index <= content::kCountryCount; ++index) {
        const QSize size = index == 7     ? QSize(203, 119)
                           : index == 176 ? QSize(163, 96)
                                          : QSize(204, 120);
        QTest::addRow("flag %d", index) << content::flagPicture(index) << size;
    }
    QTest::newRow("world map") << content::kPlaceholderPicture << QSize(214, 120);
}

void TestPictures::jpegFiles() {
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QByteArray data = builtIn(resource);
    QVERIFY2(!data.isEmpty(), qPrintable(resource));
    const JpegFrame frame = jpegFrame(data);
    QCOMPARE(frame.marker, 0xc0); // baseline
    QCOMPARE(frame.precision, 8);
    QCOMPARE(frame.components, 3);
    QCOMPARE(QSize(frame.width, frame.height), size);
    QCOMPARE(platform::decodeImage(resource).size(), size);
}

void TestPictures::noticePictureIsUncompressed24BitBitmap() {
    const QByteArray bmp = builtIn(content::kNoticePicture);
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(little<qint32>(bmp, 18), 685);
    QCOMPARE(qAbs(little<qint32>(bmp, 22)), 361);
    QCOMPARE(little<quint16>(bmp, 28), quint16(24));
    QCOMPARE(little<quint32>(bmp, 30), quint32(0)); // BI_RGB: no compression
    QCOMPARE(platform::decodeImage(content::kNoticePicture).size(), QSize(685, 361));
}

void TestPictures::iconHoldsTwo16ColourImages() {
    const QByteArray ico = builtIn(content::kWindowIcon);
    QCOMPARE(little<quint16>(ico, 2), quint16(1)); // icon, not cursor
    QCOMPARE(little<quint16>(ico, 4), quint16(2));
    QList<int> sizes;
    for (int k = 0; k < 2; ++k) {
        const qsizetype entry = 6 + 16 * k;
        sizes << static_cast<unsigned char>(ico.at(entry));
        QCOMPARE(static_cast<unsigned char>(ico.at(entry + 2)), 16); // colours in palette
        const auto offset = little<quint32>(ico, entry + 12);
        QCOMPARE(little<quint16>(ico, offset + 14), quint16(4)); // bits per pixel
    }
    QCOMPARE(sizes, QList<int>({32, 16}));
}

void TestPictures::flagTableCoversCatalogueOneToOne() {
    QFile file(tableFile());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QSet<QString> codes;
    int row = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        QCOMPARE(cells.size(), 3);
        ++row;
        QCOMPARE(cells[0].toInt(), row);
        const std::string_view name = content::countryName(row);
        QCOMPARE(cells[1], QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        QVERIFY2(!codes.contains(cells[2]), qPrintable(cells[2]));
        codes.insert(cells[2]);
    }
    QCOMPARE(row, content::kCountryCount);
}

void TestPictures::flagsArePairedWithNames_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("1") << 1 << "Afghanistan" << QSize(204, 120);
    QTest::newRow("7") << 7 << "Lithuania" << QSize(203, 119);
    QTest::newRow("11") << 11 << "Luxembourg" << QSize(204, 120);
    QTest::newRow("100") << 100 << "Thailand" << QSize(204, 120);
    QTest::newRow("176") << 176 << "Vietnam" << QSize(163, 96);
    QTest::newRow("196") << 196 << "Libya" << QSize(204, 120);
    QTest::newRow("197") << 197 << "Saudi Arabia" << QSize(204, 120);
}

void TestPictures::flagsArePairedWithNames() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    Form1 form;
    form.Show();
    QCOMPARE(form.ui.im1->count(), content::kCountryCount);
    QCOMPARE(form.ui.List1->List(index - 1), name);
    const QPixmap flag = form.ui.im1->ListImages(index);
    // Stored three bytes a pixel; the same pixels as the built-in file decodes to.
    QCOMPARE(
        flag.toImage().convertToFormat(QImage::Format_RGB32),
        platform::decodeImage(content::flagPicture(index)).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(form.ui.Image1->size(), QSize(214, 120));
    form.ui.Image1->setPicture(flag);
    QCOMPARE(form.ui.Image1->size(), size);
    QCOMPARE(form.ui.Image1->pos(), QPoint(272, 56));
    QCOMPARE(form.ui.Image1->Picture().cacheKey(), flag.cacheKey()); // shared, not copied
}

void TestPictures::placeholderIsHeldTwice() {
    Form1 form;
    const QPixmap shown = form.ui.Image1->Picture();
    const QPixmap held = form.ui.Image2->Picture();
    QCOMPARE(shown.size(), QSize(214, 120));
    QVERIFY(shown.cacheKey() != held.cacheKey()); // each its own copy
    QCOMPARE(shown.toImage(), held.toImage());
}

void TestPictures::everyFlagPictureDiffers() {
    Form1 form;
    QSet<QByteArray> seen;
    for (int index = 1; index <= content::kCountryCount; ++index)
        seen.insert(builtIn(content::flagPicture(index)));
    QCOMPARE(seen.size(), content::kCountryCount);
}

void TestPictures::missingPictureIsReportedBeforeShowing() {
    ThrowingFailures failures;
    try {
        MissingPictureForm form;
        QFAIL("a window with a missing picture was created");
    } catch (const platform::Failure& failure) {
        QVERIFY2(QString::fromStdString(failure.what()).contains(u":/pictures/not-built-in.jpg"),
                 failure.what());
    }
}

void TestPictures::windowCarriesIcon() {
    Form1 form;
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
}

void TestPictures::pictureListReportsMissingAndUndecodable() {
    ThrowingFailures failures;
    QWidget window;
    auto* list = new platform::ImageList(&window);
    try {
        list->load({content::flagPicture(1), QStringLiteral(":/flags/198.jpg")});
        QFAIL("a missing picture was taken");
    } catch (const platform::Failure& failure) {
        QVERIFY2(QString::fromStdString(failure.what()).contains(u":/flags/198.jpg"),
                 failure.what());
    }
    // Present but not a picture: reported when the list is first used, never shown blank.
    list->load({content::flagPicture(1), QStringLiteral(":/test/not_a_picture.jpg")});
    try {
        list->ListImages(1);
        QFAIL("an undecodable picture was taken");
    } catch (const platform::Failure& failure) {
        QVERIFY2(QString::fromStdString(failure.what()).contains(u":/test/not_a_picture.jpg"),
                 failure.what());
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
