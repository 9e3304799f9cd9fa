#include "common/PropertyListNesting.h"

#include <cstring>
#include <vector>

namespace PropertyListNesting {

namespace {

// --- XML ---------------------------------------------------------------------------------
// The scan skips what libplist's lexer skips (declarations, comments, CDATA, the doctype),
// so that closing tags hidden inside those cannot make the count lower than the real depth.

class XmlScanner {
public:
    explicit XmlScanner(const QByteArray &xml) : text_(xml.constData()), size_(xml.size()) {}

    bool depthWithinLimit() {
        int depth = 0;
        while ((position_ = indexOf("<", position_)) >= 0) {
            const int delta = scanMarkup();
            if (position_ < 0) return true;  // unterminated markup: libplist stops there too
            depth = delta < 0 ? std::max(0, depth - 1) : depth + delta;
            if (depth > kMaxDepth) return false;
        }
        return true;
    }

private:
    // Steps over the markup that starts at position_ ('<'); +1 for an opening container
    // tag, -1 for a closing one, 0 otherwise. position_ is -1 when the markup never ends.
    int scanMarkup() {
        // Where libplist starts looking for the end: a declaration's "?>" may share the "?"
        // of "<?", a comment's "-->" may not share the dashes of "<!--".
        if (startsWith("<?")) return skipPast(1, "?>");
        if (startsWith("<!--")) return skipPast(4, "-->");
        if (startsWith("<![CDATA[")) return skipPast(9, "]]>");
        if (startsWith("<!")) return skipDoctype();
        const qsizetype nameStart = position_ + 1;
        qsizetype nameEnd = nameStart;
        while (nameEnd < size_ && !std::strchr(" \r\n\t<>", text_[nameEnd])) ++nameEnd;
        const QByteArrayView name(text_ + nameStart, nameEnd - nameStart);
        const qsizetype close = indexOf(">", nameEnd);
        if (close < 0) {
            position_ = -1;
            return 0;
        }
        position_ = close + 1;
        if (name == "/array" || name == "/dict") return -1;
        const bool selfClosing = text_[close - 1] == '/';
        const bool container = name == "array" || name == "dict";
        return container && !selfClosing ? 1 : 0;
    }

    int skipDoctype() {
        qsizetype index = position_ + 2;
        while (index < size_ && text_[index] != '[' && text_[index] != '>') ++index;
        if (index < size_ && text_[index] == '[') {
            position_ = index;
            return skipPast(1, "]>");
        }
        position_ = index < size_ ? index + 1 : -1;
        return 0;
    }

    // Moves past the terminator, looked for from `offset` characters after position_.
    int skipPast(qsizetype offset, const char *terminator) {
        const qsizetype found = indexOf(terminator, position_ + offset);
        position_ = found < 0 ? -1 : found + qsizetype(std::strlen(terminator));
        return 0;
    }

    bool startsWith(const char *prefix) const {
        const qsizetype length = qsizetype(std::strlen(prefix));
        return size_ - position_ >= length && std::memcmp(text_ + position_, prefix, length) == 0;
    }

    qsizetype indexOf(const char *needle, qsizetype from) const {
        const QByteArrayView haystack(text_, size_);
        return from < 0 || from >= size_ ? -1 : haystack.indexOf(QByteArrayView(needle), from);
    }

    const char *text_;
    qsizetype size_;
    qsizetype position_ = 0;
};

// --- Binary ------------------------------------------------------------------------------

class BinaryWalker {
public:
    explicit BinaryWalker(const QByteArray &binary)
        : bytes_(reinterpret_cast<const uchar *>(binary.constData())), size_(binary.size()) {}

    bool depthWithinLimit() {
        if (!readTrailer()) return false;
        depths_.assign(objectCount_, kUnknown);
        Container top;
        if (!containerOf(topObject_, &top)) return false;
        return !top.isContainer || walkFrom(topObject_, top);
    }

    // Every dictionary's keys, each string checked once however often it is used as a key.
    // Unreachable dictionaries are checked too: cheaper than a walk, and harmless.
    bool keysFreeOfNul() {
        if (!readTrailer()) return false;
        std::vector<bool> checked(objectCount_, false);
        for (quint64 object = 0; object < objectCount_; ++object) {
            // Damaged objects are left to libplist, which refuses those it reaches.
            Container container;
            if (!containerOf(object, &container) || !container.isDictionary) continue;
            for (quint64 index = 0; index < container.refCount / 2; ++index) {
                quint64 key = 0;
                if (!readUnsigned(container.firstRef + qint64(index) * refWidth_, refWidth_,
                                  &key) ||
                    key >= objectCount_)
                    continue;
                if (checked[key]) continue;
                if (stringHoldsNul(key)) return false;
                checked[key] = true;
            }
        }
        return true;
    }

private:
    static constexpr int kUnknown = -1;
    static constexpr int kOnPath = -2;

    struct Container {
        bool isContainer = false;
        bool isDictionary = false;
        qint64 firstRef = 0;
        quint64 refCount = 0;
    };
    struct Frame {
        quint64 object;
        Container container;
        quint64 nextRef = 0;
        int deepestChild = 0;
    };

    bool readUnsigned(qint64 offset, int width, quint64 *value) const {
        if (width < 1 || width > 8 || offset < 0 || offset > size_ - width) return false;
        quint64 result = 0;
        for (int i = 0; i < width; ++i) result = (result << 8) | bytes_[offset + i];
        *value = result;
        return true;
    }

    bool readTrailer() {
        constexpr qint64 kHeader = 8, kTrailer = 32;
        if (size_ < kHeader + kTrailer) return false;
        const qint64 trailer = size_ - kTrailer;
        offsetWidth_ = bytes_[trailer + 6];
        refWidth_ = bytes_[trailer + 7];
        quint64 tableOffset = 0;
        if (!readUnsigned(trailer + 8, 8, &objectCount_) ||
            !readUnsigned(trailer + 16, 8, &topObject_) ||
            !readUnsigned(trailer + 24, 8, &tableOffset))
            return false;
        if (offsetWidth_ < 1 || offsetWidth_ > 8 || refWidth_ < 1 || refWidth_ > 8) return false;
        if (tableOffset < quint64(kHeader) || tableOffset >= quint64(trailer)) return false;
        if (objectCount_ == 0 || topObject_ >= objectCount_) return false;
        if (objectCount_ > (quint64(trailer) - tableOffset) / offsetWidth_) return false;
        tableOffset_ = qint64(tableOffset);
        return true;
    }

    // An object's type (the marker's high nibble), element count and where its elements
    // start; false when the object lies outside the data or its count cannot be read. Only
    // data, strings and containers count their elements (others use the nibble otherwise).
    struct Header {
        int type = 0;
        quint64 count = 0;
        qint64 position = 0;
    };
    bool headerOf(quint64 object, Header *header) const {
        quint64 offset = 0;
        if (!readUnsigned(tableOffset_ + qint64(object) * offsetWidth_, offsetWidth_, &offset) ||
            offset >= quint64(size_))
            return false;
        const uchar marker = bytes_[offset];
        header->type = marker >> 4;
        header->position = qint64(offset) + 1;
        header->count = marker & 0x0F;
        const bool counted = (header->type >= 0x4 && header->type <= 0x7) ||
                             (header->type >= 0xA && header->type <= 0xD);
        if (!counted || header->count != 0x0F) return true;
        const qint64 position = header->position;
        if (position >= size_ || (bytes_[position] >> 4) != 0x1) return false;
        const int width = 1 << (bytes_[position] & 0x0F);
        if (width > 8 || !readUnsigned(position + 1, width, &header->count)) return false;
        header->position += 1 + width;
        return true;
    }

    // Where the references of an array, set or dictionary object are; scalars have none.
    bool containerOf(quint64 object, Container *container) const {
        Header header;
        if (!headerOf(object, &header)) return false;
        if (header.type < 0xA || header.type > 0xD) return true;
        const bool isDictionary = header.type == 0xD;
        const quint64 available = quint64(size_ - header.position) / refWidth_;
        if (header.count > available || (isDictionary && header.count > available / 2))
            return false;
        container->isContainer = true;
        container->isDictionary = isDictionary;
        container->firstRef = header.position;
        container->refCount = isDictionary ? header.count * 2 : header.count;
        return true;
    }

    // Whether an ASCII, UTF-16 or UTF-8 string object holds a NUL character; other objects
    // are left to libplist, which refuses non-string keys itself.
    bool stringHoldsNul(quint64 object) const {
        Header header;
        if (!headerOf(object, &header)) return true;
        const int type = header.type;
        if (type != 0x5 && type != 0x6 && type != 0x7) return false;
        const qint64 position = header.position;
        const quint64 count = header.count;
        const int unit = type == 0x6 ? 2 : 1;
        if (count > quint64(size_ - position) / unit) return true;
        for (quint64 index = 0; index < count; ++index) {
            const qint64 at = position + qint64(index) * unit;
            if (bytes_[at] == 0 && (unit == 1 || bytes_[at + 1] == 0)) return true;
        }
        return false;
    }

    // Depth-first over containers with an explicit stack; each object is measured once.
    bool walkFrom(quint64 top, const Container &container) {
        std::vector<Frame> path{Frame{top, container}};
        depths_[top] = kOnPath;
        while (!path.empty()) {
            Frame &frame = path.back();
            if (frame.nextRef == frame.container.refCount) {
                const int depth = frame.deepestChild + 1;
                depths_[frame.object] = depth;
                path.pop_back();
                if (!path.empty())
                    path.back().deepestChild = std::max(path.back().deepestChild, depth);
                continue;
            }
            quint64 child = 0;
            const qint64 refOffset = frame.container.firstRef + qint64(frame.nextRef) * refWidth_;
            ++frame.nextRef;
            if (!readUnsigned(refOffset, refWidth_, &child) || child >= objectCount_) return false;
            const int known = depths_[child];
            if (known == kOnPath) return false;  // a cycle
            if (known >= 0) {
                frame.deepestChild = std::max(frame.deepestChild, known);
                continue;
            }
            Container childContainer;
            if (!containerOf(child, &childContainer)) return false;
            if (!childContainer.isContainer) {
                depths_[child] = 0;
                continue;
            }
            if (path.size() >= size_t(kMaxDepth)) return false;
            depths_[child] = kOnPath;
            path.push_back(Frame{child, childContainer});  // invalidates frame
        }
        return true;
    }

    const uchar *bytes_;
    qint64 size_;
    int offsetWidth_ = 0;
    int refWidth_ = 0;
    quint64 objectCount_ = 0;
    quint64 topObject_ = 0;
    qint64 tableOffset_ = 0;
    std::vector<int> depths_;
};

}  // namespace

bool xmlDepthWithinLimit(const QByteArray &xml) { return XmlScanner(xml).depthWithinLimit(); }

bool binaryDepthWithinLimit(const QByteArray &binary) {
    return BinaryWalker(binary).depthWithinLimit();
}

bool binaryKeysFreeOfNul(const QByteArray &binary) { return BinaryWalker(binary).keysFreeOfNul(); }

}  // namespace PropertyListNesting
