// Picture values: decoding images from memory or files.
#include "platform/forms/Picture.h"
#include "platform/forms/BackgroundWork.h"
#include "platform/forms/Impl.h"
#include "platform/forms/PictureHeader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

#include <atomic>
#include <cmath>
#include <cstring>
#include <list>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace qby {

namespace {

std::atomic<std::int32_t> g_nextHandle{0x2000};
DesignPictureLoader g_designLoader;

// A bitmap resource holds the bitmap without its file header: put one in front.
QByteArray withBitmapFileHeader(const unsigned char* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<unsigned char> header = picture::BitmapFileHeaderFor(data, size);
    if (header.empty())
        return bytes;
    return QByteArray(reinterpret_cast<const char*>(header.data()), static_cast<qsizetype>(header.size())) + bytes;
}

// The formats that paint fastest.
QImage displayFormat(QImage image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!image.hasAlphaChannel() && image.format() != QImage::Format_RGB32)
        return image.convertToFormat(QImage::Format_RGB32);
    return image;
}

std::shared_ptr<detail::PictureImage> readyImage(QImage image)
{
    return std::make_shared<detail::PictureImage>(std::move(image));
}

Picture makePicture(std::shared_ptr<detail::PictureImage> decoded, QSize size, int type, bool cursor, int hotX,
                    int hotY)
{
    if (size.isEmpty())
        return Picture();
    auto data = std::make_shared<Picture::Data>();
    data->decoded = std::move(decoded);
    data->size = size;
    data->handle = g_nextHandle.fetch_add(1);
    data->type = type;
    data->cursor = cursor;
    data->hotX = hotX;
    data->hotY = hotY;
    return Picture(std::shared_ptr<const Picture::Data>(std::move(data)));
}

Picture makePicture(QImage image, int type, bool cursor, int hotX, int hotY)
{
    image = displayFormat(std::move(image));
    const QSize size = image.size();
    return makePicture(readyImage(std::move(image)), size, type, cursor, hotX, hotY);
}

// The format that the first bytes announce, for the formats pictures come in; null for others.
// Read with its format named and no guessing, a picture loads only the reader it needs: asked to
// find the format itself, the toolkit loads every image plugin to ask each.
const char* announcedFormat(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    return nullptr;
}

QImage imageOf(const picture::ImagePixels& pixels, QImage::Format format)
{
    QImage image(pixels.width, pixels.height, format);
    if (image.isNull())
        return image;  // no memory for it
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y),
                    pixels.pixels.data() + static_cast<std::size_t>(y) * pixels.width,
                    static_cast<std::size_t>(pixels.width) * 4);
    return image;
}

QImage decode(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size == 0)
        return {};
    QByteArray bytes = withBitmapFileHeader(data, size);
    // The common bitmaps are read here, without the toolkit's reader and its plugin search.
    const picture::ImagePixels bitmap = picture::BitmapImage(
        reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    if (!bitmap.pixels.empty())
        return imageOf(bitmap, QImage::Format_RGB32);
    detail::EnsureApplication();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const char* format = announcedFormat(bytes);
    QImageReader reader(&buffer, format);
    if (format == nullptr)
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Cursors are stored like icons with type 2; read them as icons, keeping the hot spot.
QImage decodeCursor(const unsigned char* data, std::size_t size, int* hotX, int* hotY)
{
    if (picture::IconOrCursorKind(data, size) == picture::kNotIcon)
        return decode(data, size);
    const picture::HotSpot hotSpot = picture::CursorHotSpot(data, size);
    *hotX = hotSpot.x;
    *hotY = hotSpot.y;
    // Bitmap images are read here; the toolkit's icon reader, a plugin, is loaded only for
    // others (PNG images).
    if (const picture::ImagePixels icon = picture::FirstIconImage(data, size); !icon.pixels.empty())
        return imageOf(icon, QImage::Format_ARGB32);
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bytes[2] = 1;  // the icon reader reads the cursor's images alike
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

bool isJpeg(const unsigned char* data, std::size_t size)
{
    return size > 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

// The size a JPEG decodes to, read from its header (the frame and the tables before the scan, so
// bytes whose tables are broken give no size); an empty size when it cannot be read. Read here
// rather than by the toolkit's JPEG reader, so the thread that builds a window never loads that
// reader: the workers that decode the pixels do.
QSize jpegSize(const unsigned char* data, std::size_t size)
{
    const picture::FrameSize frame = picture::JpegFrameSize(data, size);
    return QSize(frame.width, frame.height);
}

QImage decodeJpeg(const QByteArray& encoded)
{
    QByteArray bytes = QByteArray::fromRawData(encoded.constData(), encoded.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    return displayFormat(reader.read());
}

// A JPEG whose header reads is decoded on a worker thread: the caller goes on with the picture's
// size, and the pixels are ready by the time the window is drawn (a window's pictures decode
// while the window is being built).
std::shared_ptr<detail::PictureImage> decodeJpegInBackground(QByteArray bytes)
{
    std::shared_ptr<detail::PictureImage> image = detail::PictureImage::Jpeg(std::move(bytes));
    detail::RunInBackground([image] { image->Decode(); });
    return image;
}

// Windows show the same small pictures many times over (a skin on every button, the cursor of
// every picture button, a button's pressed picture that is its normal one): each is decoded once
// and its image shared. Large pictures (backgrounds, word pictures) are decoded every time, so
// the cache stays small.
class DecodedPictures {
public:
    static constexpr qsizetype kLargestImage = 64 * 1024;  // bytes of decoded image
    static constexpr std::size_t kCapacity = 64;

    struct Decoded {
        std::shared_ptr<detail::PictureImage> image;
        QSize size;
        int type = Picture::vbPicTypeBitmap;
        bool cursor = false;
        int hotX = 0;
        int hotY = 0;
    };

    template <typename Decode>
    Decoded Find(std::string_view key, Decode decode)
    {
        {
            std::lock_guard lock(mutex_);
            for (auto it = entries_.begin(); it != entries_.end(); ++it) {
                if (it->first == key) {
                    entries_.splice(entries_.begin(), entries_, it);  // most recent first
                    return it->second;
                }
            }
        }
        Decoded decoded = decode();
        if (qsizetype(decoded.size.width()) * decoded.size.height() * 4 <= kLargestImage) {
            std::lock_guard lock(mutex_);
            entries_.emplace_front(std::string(key), decoded);
            if (entries_.size() > kCapacity)
                entries_.pop_back();
        }
        return decoded;
    }

private:
    std::mutex mutex_;
    std::list<std::pair<std::string, Decoded>> entries_;  // keyed by the encoded bytes
};

DecodedPictures& decodedPictures()
{
    static auto* pictures = new DecodedPictures;  // never destroyed: pictures outlive statics
    return *pictures;
}

std::string_view bytesKey(const unsigned char* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

Picture makePicture(DecodedPictures::Decoded decoded)
{
    return makePicture(std::move(decoded.image), decoded.size, decoded.type, decoded.cursor, decoded.hotX,
                       decoded.hotY);
}

DecodedPictures::Decoded decodedAtOnce(QImage image, int type = Picture::vbPicTypeBitmap, bool cursor = false,
                                       int hotX = 0, int hotY = 0)
{
    image = displayFormat(std::move(image));
    DecodedPictures::Decoded decoded;
    decoded.size = image.size();
    decoded.image = readyImage(std::move(image));
    decoded.type = type;
    decoded.cursor = cursor;
    decoded.hotX = hotX;
    decoded.hotY = hotY;
    return decoded;
}

}  // namespace

namespace detail {

PictureImage::PictureImage(QImage image) : ready_(true), image_(std::move(image)) {}

std::shared_ptr<PictureImage> PictureImage::Jpeg(QByteArray bytes)
{
    std::shared_ptr<PictureImage> image(new PictureImage);
    image->bytes_ = std::move(bytes);
    return image;
}

namespace {

// Out of memory while decoding: the picture draws nothing.
QImage decodeJpegOrNothing(const QByteArray& bytes)
{
    try {
        return decodeJpeg(bytes);
    } catch (...) {
        return {};
    }
}

}  // namespace

const QImage& PictureImage::Finish(QImage image)
{
    if (!ready_) {
        image_ = std::move(image);
        bytes_.clear();
        ready_ = true;
        decoded_.notify_all();
    }
    return image_;
}

void PictureImage::Decode()
{
    {
        std::lock_guard lock(mutex_);
        if (ready_ || decoding_)
            return;
        decoding_ = true;
    }
    QImage image = decodeJpegOrNothing(bytes_);
    std::lock_guard lock(mutex_);
    Finish(std::move(image));
}

const QImage& PictureImage::Get()
{
    std::unique_lock lock(mutex_);
    if (ready_)
        return image_;
    // A decode under way finishes on its worker; in a forked child no worker is left to.
    if (decoding_ && BackgroundWorkersUsable()) {
        decoded_.wait(lock, [&] { return ready_; });
        return image_;
    }
    decoding_ = true;
    lock.unlock();
    QImage image = decodeJpegOrNothing(bytes_);
    lock.lock();
    return Finish(std::move(image));
}

}  // namespace detail

Picture::Picture() = default;

Picture::Picture(std::shared_ptr<const Data> data) : data_(std::move(data)) {}

Picture Picture::FromEncodedBytes(const std::vector<unsigned char>& bytes)
{
    return FromEncodedBytes(bytes.data(), bytes.size());
}

Picture Picture::FromEncodedBytes(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size == 0)
        return Picture();
    return makePicture(decodedPictures().Find(bytesKey(data, size), [&] {
        if (const picture::IconKind kind = picture::IconOrCursorKind(data, size); kind != picture::kNotIcon) {
            int hotX = 0;
            int hotY = 0;
            QImage image = decodeCursor(data, size, &hotX, &hotY);
            return decodedAtOnce(std::move(image), vbPicTypeIcon, kind == picture::kCursor, hotX, hotY);
        }
        if (isJpeg(data, size)) {
            detail::EnsureApplication();
            if (const QSize header = jpegSize(data, size); !header.isEmpty()) {
                DecodedPictures::Decoded decoded;
                decoded.size = header;
                decoded.image = decodeJpegInBackground(
                    QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
                return decoded;
            }
        }
        return decodedAtOnce(decode(data, size));
    }));
}

Picture Picture::CursorFromEncodedBytes(const std::vector<unsigned char>& bytes)
{
    // Cached apart from plain pictures: the same bytes read as a cursor keep a hot spot even when
    // they are not a cursor file.
    std::string key = "cursor:";
    key.append(bytesKey(bytes.data(), bytes.size()));
    return makePicture(decodedPictures().Find(key, [&] {
        int hotX = 0;
        int hotY = 0;
        QImage image = decodeCursor(bytes.data(), bytes.size(), &hotX, &hotY);
        return decodedAtOnce(std::move(image), vbPicTypeIcon, true, hotX, hotY);
    }));
}

Picture Picture::FromFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return Picture();
    const QByteArray bytes = file.readAll();
    return FromEncodedBytes(reinterpret_cast<const unsigned char*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
}

Picture Picture::Filled(int widthPx, int heightPx, OLE_COLOR color)
{
    if (widthPx <= 0 || heightPx <= 0)
        return Picture();
    QImage image(widthPx, heightPx, QImage::Format_RGB32);
    image.fill(detail::ToQColor(color));
    return makePicture(std::move(image), vbPicTypeBitmap, false, 0, 0);
}

bool Picture::IsEmpty() const
{
    return !data_ || data_->size.isEmpty();
}

std::int32_t Picture::Handle() const
{
    return data_ ? data_->handle : 0;
}

int Picture::Type() const
{
    return IsEmpty() ? vbPicTypeNone : data_->type;
}

int Picture::WidthPx() const
{
    return IsEmpty() ? 0 : data_->size.width();
}

int Picture::HeightPx() const
{
    return IsEmpty() ? 0 : data_->size.height();
}

std::int32_t Picture::Width() const
{
    return static_cast<std::int32_t>(std::lround(WidthPx() * 2540.0 / 96.0));
}

std::int32_t Picture::Height() const
{
    return static_cast<std::int32_t>(std::lround(HeightPx() * 2540.0 / 96.0));
}

int Picture::HotSpotX() const
{
    return data_ ? data_->hotX : 0;
}

int Picture::HotSpotY() const
{
    return data_ ? data_->hotY : 0;
}

bool Picture::IsCursor() const
{
    return data_ && data_->cursor;
}

std::int64_t Picture::Point(int xPx, int yPx) const
{
    if (IsEmpty() || !data_->image().valid(xPx, yPx))
        return -1;
    const QRgb pixel = data_->image().pixel(xPx, yPx);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void SetDesignPictureLoader(DesignPictureLoader loader)
{
    g_designLoader = std::move(loader);
}

Picture DesignPicture(const std::string& name)
{
    if (!g_designLoader)
        return Picture();
    try {
        return g_designLoader(name);
    } catch (...) {
        return Picture();
    }
}

}  // namespace qby
