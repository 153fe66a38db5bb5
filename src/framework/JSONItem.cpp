#include "JSONItem.h"

#include "Exceptions.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringDecoder>
#include <QVariant>
#include <algorithm>

namespace {

// The text as Qt's, whole: QString::fromStdString drops a U+FEFF that begins
// it, which would make another name or value of it.
QString qtText(const String& text) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

// Qt's JSON parser drops a U+FEFF that begins a string, while it keeps the
// same character written as an escape. So both ways the character goes as its
// escape: a name or a value that begins with one keeps it, and text written
// once reads back to itself. A byte-order mark that opens the whole text is
// no string's and stays as it is.
const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray byteOrderMarkEscape = QByteArrayLiteral("\\ufeff");

QByteArray byteOrderMarksEscaped(const QByteArray& text) {
    const qsizetype opening = text.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    return text.left(opening) + text.mid(opening).replace(byteOrderMark, byteOrderMarkEscape);
}

bool blank(const String& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

QJsonValue toJson(const Variant& value) {
    struct Convert {
        QJsonValue operator()(std::monostate) const { return QJsonValue::Null; }
        QJsonValue operator()(bool flag) const { return flag; }
        QJsonValue operator()(std::int64_t number) const { return qint64{number}; }
        QJsonValue operator()(double number) const { return number; }
        QJsonValue operator()(const String& text) const { return qtText(text); }
    };
    return std::visit(Convert{}, value.Value());
}

} // namespace

JSONItem::JSONItem() : object_(std::make_unique<QJsonObject>()) {}

JSONItem::~JSONItem() = default;

bool JSONItem::HasName(const String& name) const {
    return object_->contains(qtText(name));
}

Variant JSONItem::Value(const String& name) const {
    const auto found = object_->constFind(qtText(name));
    if (found == object_->constEnd())
        throw KeyNotFoundException("The JSON object has no member \"" + name + "\".");
    const QJsonValue value = found.value();
    switch (value.type()) {
    case QJsonValue::Bool:
        return Variant(value.toBool());
    case QJsonValue::Double: {
        // The parser keeps a number without fraction as a 64-bit integer.
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong)
            return Variant(std::int64_t{number.toLongLong()});
        return Variant(value.toDouble());
    }
    case QJsonValue::String:
        return Variant(value.toString().toStdString());
    case QJsonValue::Array:
    case QJsonValue::Object:
        throw TypeMismatchException("The member \"" + name + "\" holds more than one value.");
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return Variant();
}

void JSONItem::Value(const String& name, const Variant& value) {
    object_->insert(qtText(name), toJson(value));
}

void JSONItem::Load(const String& text) {
    if (blank(text)) {
        *object_ = QJsonObject();
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(
        byteOrderMarksEscaped(QByteArray(text.data(), static_cast<qsizetype>(text.size()))),
        &error);
    if (error.error != QJsonParseError::NoError)
        throw JSONException("The text is not JSON: " + error.errorString().toStdString() +
                            " at offset " + std::to_string(error.offset) + ".");
    if (!document.isObject())
        throw JSONException("The JSON text is not an object.");
    *object_ = document.object();
}

String JSONItem::ToString() const {
    QByteArray text = byteOrderMarksEscaped(QJsonDocument(*object_).toJson(
        compact_ ? QJsonDocument::Compact : QJsonDocument::Indented));
    if (text.endsWith('\n'))
        text.chop(1);
    return text.toStdString();
}
