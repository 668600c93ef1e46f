// The inspector's commands that write files: render, font, text and extract.
#include <cctype>

#include "resources/dialog_template.h"
#include "tools/inspector/inspector.h"
#include "tools/inspector/inspector_commands.h"
#include "tools/inspector/resource_description.h"
#include "tools/render/code_page_1252.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/file_bytes.h"
#include "tools/render/module_font.h"
#include "tools/render/palette.h"

namespace uitools {

namespace {

constexpr int kSheetMargin = 28;    // room for the row and column labels of the font sheet
constexpr int kSheetLabelStrip = 13; // the code under each cell
constexpr Colour kGrid{160, 160, 160, 255};
constexpr Colour kLabel{90, 90, 90, 255};

int failed(const CommandContext& context, const std::string& message) {
    context.err << "uiresource: " << message << "\n";
    return kExitFailed;
}

// Writes the command's bytes to its -o file and says so (`what` was written), or sends them alone
// to standard output, where a note would spoil them.
int writeOutput(const CommandContext& context, const uint8_t* data, size_t size, const std::string& what) {
    const std::string& path = context.invocation.output;
    std::string error;
    if (context.invocation.toStandardOutput()) {
        return writeStreamBytes(context.out, data, size, error) ? kExitDone : failed(context, error);
    }
    if (!writeFileBytes(path, data, size, error)) return failed(context, error);
    context.out << "wrote " << path << " (" << what << ")\n";
    return kExitDone;
}

int savePicture(const CommandContext& context, const Image& image) {
    int scale = context.invocation.scale > 0 ? context.invocation.scale : 1;
    Image scaled = image;
    if (scale > 1) {
        scaled = Image(image.width() * scale, image.height() * scale, Colour{});
        scaled.blitScaled(image, 0, 0, scale);
    }
    std::vector<uint8_t> png = scaled.encodePng();
    if (png.empty()) return failed(context, "the picture cannot be encoded as PNG");
    return writeOutput(context, png.data(), png.size(),
                       std::to_string(scaled.width()) + " x " + std::to_string(scaled.height()) + " pixels");
}

// One cell of the atlas as ink on white: the glyphs live in alpha alone (255 ink, 1 background).
Image cellInkOnWhite(const Image& atlas, int code) {
    const int size = BitmapFont::kCellSize;
    Image cell(size, size, palette::kWindow);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (atlas.pixel((code % 16) * size + x, (code / 16) * size + y).a == 255) cell.setPixel(x, y, palette::kText);
        }
    }
    return cell;
}

void drawLabel(Image& sheet, const BitmapFont& font, int centreX, int lineTop, const std::string& text) {
    int left = centreX - font.measure(text) / 2;
    drawParagraph(sheet, font, left, lineTop - kTextCellOffset, text, kTextLineHeight, kLabel);
}

}  // namespace

int renderCommand(const CommandContext& context) {
    const std::string& id = context.invocation.operands[0];
    const CatalogueEntry* entry =
        context.catalogue.find(uires::ResourceKey::ofId(uires::kDialogType), context.catalogue.nameArgument(id));
    if (entry == nullptr) return failed(context, "no dialog template with id " + id + " in " + context.catalogue.origin());
    uires::DialogTemplate dialog;
    std::string error;
    if (!uires::decodeDialogTemplate(entry->data, entry->size, dialog, error)) {
        return failed(context, "dialog " + id + " is malformed: " + error);
    }
    BitmapFont font;
    if (!loadModuleFont(font, error)) return failed(context, error);
    Image picture = paintDialog(viewFromTemplate(dialog), font);
    if (picture.width() == 0) return failed(context, "dialog " + id + " is too large to draw");
    return savePicture(context, picture);
}

int fontCommand(const CommandContext& context) {
    BitmapFont font;
    std::string error;
    if (!loadModuleFont(font, error)) return failed(context, error);
    int scale = context.invocation.scale > 0 ? context.invocation.scale : 3;
    int cell = BitmapFont::kCellSize * scale, pitchX = cell + 1, pitchY = cell + 1 + kSheetLabelStrip;
    Image sheet(kSheetMargin + 16 * pitchX + 1, kSheetMargin + 16 * pitchY + 1, palette::kWindow);
    for (int code = 0; code < 256; ++code) {
        int row = code / 16, column = code % 16;
        int left = kSheetMargin + column * pitchX + 1, top = kSheetMargin + row * pitchY + 1;
        sheet.blitScaled(cellInkOnWhite(font.atlas(), code), left, top, scale);
        sheet.outlineRect(PixelRect{left - 1, top - 1, left + cell + 1, top + cell + 1}, kGrid);
        drawLabel(sheet, font, left + cell / 2, top + cell, std::to_string(code));
    }
    for (int i = 0; i < 16; ++i) {
        drawLabel(sheet, font, kSheetMargin + i * pitchX + cell / 2, 8, "+" + std::to_string(i));
        drawLabel(sheet, font, kSheetMargin / 2, kSheetMargin + i * pitchY + cell / 2 - 6, std::to_string(i * 16));
    }
    Invocation unscaled = context.invocation;
    unscaled.scale = 1;
    return savePicture(CommandContext{unscaled, context.catalogue, context.out, context.err}, sheet);
}

int textCommand(const CommandContext& context) {
    BitmapFont font;
    std::string error;
    if (!loadModuleFont(font, error)) return failed(context, error);
    std::string codePage;
    if (!utf8ToCodePage1252(context.invocation.operands[0], codePage, error)) {
        return failed(context, "the text cannot be set in the font: " + error);
    }
    std::string text = unescapeText(codePage);  // after the conversion: \xHH is a code page byte as it is
    PixelRect size = measureParagraph(font, text, BitmapFont::kLineHeight);
    const int margin = 4;
    Image picture(size.width() + 2 * margin, size.height() + 2 * margin, palette::kWindow);
    drawParagraph(picture, font, margin, margin, text, BitmapFont::kLineHeight, palette::kText);
    Invocation scaled = context.invocation;
    if (scaled.scale == 0) scaled.scale = 2;
    return savePicture(CommandContext{scaled, context.catalogue, context.out, context.err}, picture);
}

int extractCommand(const CommandContext& context) {
    const std::string& type = context.invocation.operands[0];
    const std::string& id = context.invocation.operands[1];
    const CatalogueEntry* entry = context.catalogue.find(parseTypeArgument(type), context.catalogue.nameArgument(id));
    if (entry == nullptr) return failed(context, "no resource " + type + " " + id + " in " + context.catalogue.origin());
    const std::string& path = context.invocation.output;
    int width = 0, height = 0;
    if (endsWithPng(path)) {
        Image picture;
        if (!isTgaPicture(entry->data, entry->size, width, height) || !decodeImage(entry->data, entry->size, picture)) {
            return failed(context, type + " " + id + " is not a TGA picture; write it to a file not ending in .png");
        }
        return savePicture(context, picture);
    }
    return writeOutput(context, entry->data, entry->size, std::to_string(entry->size) + " bytes");
}

bool endsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".png";
}

std::string unescapeText(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\' || i + 1 >= text.size()) {
            result += c;
            continue;
        }
        char next = text[++i];
        if (next == 'n') result += '\n';
        else if (next == 'r') result += '\r';
        else if (next == 't') result += '\t';
        else if (next == '\\') result += '\\';
        else if (next == 'x' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                 std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            result += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            result += '\\';
            result += next;
        }
    }
    return result;
}

}  // namespace uitools
