// The colour controls: five scroll bars and five edits that recolour the current element, and
// the size buttons.
#include <QLineEdit>
#include <QScrollBar>

#include "model/portrait_ops.h"
#include "ui/kelvaro_dlg.h"
#include "ui/number_reading.h"

namespace kelvaro {
namespace {

// The highest value each edit accepts, red to contrast; the lowest is 0 for all five.
constexpr std::array<int, 5> kEditLimits = {255, 255, 255, 100, 100};

int& setting(ColourSettings& s, int index) {
    std::array<int*, 5> fields = {&s.red, &s.green, &s.blue, &s.brightness, &s.contrast};
    return *fields.at(static_cast<std::size_t>(index));
}

}  // namespace

// Moves the bar as the request asks. Steps were already applied by the bar, limited to its
// range; the thumb follows the drag; every other request leaves the bar where it was.
void CKelvaroDlg::applyScrollRequest(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
    switch (request) {
        case ScrollRequest::LineLeft:
        case ScrollRequest::LineRight:
        case ScrollRequest::PageLeft:
        case ScrollRequest::PageRight:
            bar->setValue(bar->sliderPosition());
            break;
        case ScrollRequest::ThumbTrack:
            bar->setValue(thumbPosition);
            break;
        default:
            bar->setSliderPosition(bar->value());
            break;
    }
}

void CKelvaroDlg::onScroll(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
    m_state.saved = false;
    applyScrollRequest(bar, request, thumbPosition);
    readControls();
    m_state.current = m_state.scroll;
    writeControls();
    recolourCurrentElement(m_state);
    writeControls();
    redraw();
}

void CKelvaroDlg::onEditChanged(int index) {
    m_state.saved = false;
    QLineEdit* edit = m_edits.at(static_cast<std::size_t>(index));
    const auto number = readEditNumber(edit->text().toStdString());
    const int value = number.value_or(0);
    const int limit = kEditLimits.at(static_cast<std::size_t>(index));
    if (!number) {
        setting(m_state.current, index) = 0;
        writeControls();
        edit->selectAll();
    }
    if (value > limit) {
        setting(m_state.current, index) = limit;
        writeControls();
    }
    if (value < 0) {
        setting(m_state.current, index) = 0;
        writeControls();
    }
    readControls();
    recolourCurrentElement(m_state);
    writeControls();
    redraw();
}

void CKelvaroDlg::onSizeChosen() {
    readControls();
}

}  // namespace kelvaro
