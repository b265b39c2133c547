#include "web/bridge/form1_bridge.h"

#include <map>
#include <utility>

#include "core/app/move_arrow.h"
#include "core/app/spoken_names.h"
#include "core/files/colour_scheme.h"
#include "core/rules/grade.h"
#include "web/bridge/box_control_bridge.h"
#include "web/bridge/system_colours.h"

namespace kalder::web {

namespace {

void write_cells(JsonWriter& json, const Form1& form) {
    json.key("cells").begin_array();
    for (int k = 1; k <= form.board.CellCount; ++k) {
        const CellLabel& cell = form.CellD[k];
        if (!cell.Visible) continue;
        json.begin_object()
            .field("index", k)
            .field("row", form.board.RowOf(k))
            .field("column", form.board.ColOf(k))
            .field("caption", cell.Caption)
            .field("name", form.cell_name(k))
            .place_fields(cell.Left, cell.Top, cell.Width, cell.Height)
            .colour_field("back", cell.BackColor)
            .colour_field("fore", cell.ForeColor)
            .field("tip", cell.ToolTipText)
            .end_object();
    }
    json.end_array();
}

void write_marks(JsonWriter& json, const Form1& form) {
    const LineShape& line = form.Line1;
    json.key("line")
        .begin_object()
        .field("visible", line.Visible)
        .line_fields(line.X1, line.Y1, line.X2, line.Y2)
        .colour_field("colour", line.BorderColor)
        .end_object();
    const std::pair<const ImageBox*, ArrowDirection> images[] = {
        {&form.Lft, ArrowDirection::Left},
        {&form.Rght, ArrowDirection::Right},
        {&form.Up, ArrowDirection::Up},
        {&form.Down, ArrowDirection::Down}};
    const char* const icons[] = {"arrow_left", "arrow_right", "arrow_up", "arrow_down"};
    json.key("arrows").begin_array();
    for (std::size_t i = 0; i < std::size(images); ++i) {
        const auto& [image, direction] = images[i];
        if (!image->Visible) continue;
        const TwipRect glyph = arrow_glyph(*image, direction, static_cast<int>(Form1::CellSize));
        json.begin_object()
            .field("icon", icons[i])
            .place_fields(glyph.left, glyph.top, glyph.width, glyph.height)
            .end_object();
    }
    json.end_array();
    json.key("shapes").begin_array();
    for (const RectangleShape* shape : {&form.Shape2, &form.Shape1}) {
        json.begin_object()
            .place_fields(shape->Left, shape->Top, shape->Width, shape->Height)
            .colour_field("colour", shape->BorderColor)
            .end_object();
    }
    json.end_array();
    json.field("source", form.SourceCell).field("target", form.TargetCell);
    json.colour_field("giverRing", form.GiverRingColor).colour_field("deadEnd", form.DeadEndColor);
    // The keyboard's cursor: black or white, whichever stands out on open cells, edged in the
    // other so that it shows on locked cells too.
    const Colour ring = focus_ring_on(plain_colour(form.open_cell_colour()));
    json.colour_field("focusRing", ring).colour_field("focusEdge", focus_ring_on(ring));
}

void write_top_bar(JsonWriter& json, const Form1& form) {
    json.key("buttons").begin_object();
    for (std::size_t i = 0; i < form.arrows.size(); ++i) {
        json.key("arrows" + std::to_string(i));
        write_box_control(json, form.arrows[i]);
    }
    json.key("cmdreset");
    write_box_control(json, form.cmdreset);
    json.key("cmdcreate");
    write_box_control(json, form.cmdcreate);
    json.key("cmdundo");
    write_box_control(json, form.cmdundo);
    json.end_object();
    json.key("puzNum")
        .begin_object()
        .field("text", form.PuzNum.Text)
        .field("tip", form.PuzNum.ToolTipText)
        .colour_field("back", form.open_cell_colour())
        .end_object();
    json.key("gsize")
        .begin_object()
        .field("caption", form.Gsize.Caption)
        .field("name", spoken_grid_size(form.Gsize.Caption))
        .field("description", form.grid_size_description())
        .field("tip", form.Gsize.ToolTipText)
        .field("grade", form.PuzzleGrade())
        .field("hardest", HardestGrade)
        .colour_field("back", form.Gsize.BackColor)
        .colour_field("fore", form.Gsize.ForeColor)
        .end_object();
}

// A system colour leaves the page's own menu look; a scheme's colour brings readable text.
void write_menus(JsonWriter& json, const Form1& form) {
    if (is_system_colour(form.MenuBackColor)) {
        json.field("menuBack", "").field("menuText", "");
    } else {
        json.colour_field("menuBack", form.MenuBackColor)
            .colour_field("menuText", readable_text_on(form.MenuBackColor));
    }
    json.key("menus").begin_array();
    for (const Menu& menu : form.menus) {
        json.begin_object().field("name", menu.name).field("caption", menu.caption);
        json.key("items").begin_array();
        for (const MenuItem& item : menu.items) {
            json.begin_object()
                .field("name", item.name)
                .field("caption", item.caption)
                .field("enabled", item.enabled)
                .end_object();
        }
        json.end_array().end_object();
    }
    json.end_array();
}

BoxControl* top_bar_button(Form1& form, const PageEvent& event) {
    if (event.control == "arrows") {
        const auto i = static_cast<std::size_t>(event.index);
        return event.index >= 0 && i < form.arrows.size() ? &form.arrows[i] : nullptr;
    }
    if (event.control == "cmdreset") return &form.cmdreset;
    if (event.control == "cmdcreate") return &form.cmdcreate;
    if (event.control == "cmdundo") return &form.cmdundo;
    return nullptr;
}

// Only an entry the menus show enabled runs, as only those can be clicked on the desktop.
bool menu_entry_enabled(const Form1& form, const std::string& name) {
    for (const Menu& menu : form.menus) {
        for (const MenuItem& item : menu.items) {
            if (item.name == name && item.caption != "-") return item.enabled;
        }
    }
    return false;
}

// The board's own keys, by what they do.
void press_key(Form1& form, const std::string& key) {
    static const std::map<std::string, void (*)(Form1&)> keys = {
        {"hint", [](Form1& f) { f.hint(); }},
        {"back", [](Form1& f) { f.back_to_solvable(); }},
        {"undo", [](Form1& f) { f.cmdundo_MouseUp(MouseEvent{}); }},
        {"redo", [](Form1& f) { f.redo(); }},
        {"solve", [](Form1& f) { f.solve_from_here(); }},
        {"cancel", [](Form1& f) { f.Form_MouseUp(MouseEvent{}); }}};
    if (const auto found = keys.find(key); found != keys.end()) found->second(form);
}

}  // namespace

void write_form1(JsonWriter& json, const Form1& form) {
    json.begin_object()
        .field("caption", form.Caption)
        .field("width", form.Width)
        .field("height", form.Height)
        .colour_field("back", form.BackColor);
    write_cells(json, form);
    write_marks(json, form);
    write_top_bar(json, form);
    write_menus(json, form);
    json.end_object();
}

void dispatch_form1(Form1& form, const PageEvent& event) {
    if (event.control == "cell") {
        if (!form.board.on_board(event.index) || !form.CellD[event.index].Visible) return;
        if (event.action == "up") form.CellD_MouseUp(event.index, event.mouse());
        if (event.action == "move") form.CellD_MouseMove(event.index, event.mouse());
    } else if (event.control == "board" && event.action == "up") {
        form.Form_MouseUp(event.mouse());
    } else if (event.control == "menu" && event.action == "click") {
        if (menu_entry_enabled(form, event.text)) form.menu_Click(event.text);
    } else if (event.control == "puzNum") {
        if (event.action == "change") form.PuzNum.Text = event.text;
        if (event.action == "key") form.PuzNum_KeyPress(event.index);
    } else if (event.control == "key") {
        press_key(form, event.action);
    } else if (BoxControl* button = top_bar_button(form, event)) {
        dispatch_box_control(*button, event);
    }
}

}  // namespace kalder::web
