#include "dialogs/form.h"

#include <cassert>

#include "common/c_numbers.h"
#include "engine/parameter_limits.h"

namespace trochograph {

Rgb ColorFields::shownIn(const Form& form) const
{
    auto component = [&](int id) { return limits::colorComponent.clamp(readInt(form.entry(id))); };
    return {component(red), component(green), component(blue)};
}

Form::Form(const DialogTemplate& layout) : layout_(layout)
{
    for (const ControlTemplate& c : layout.controls) {
        if (c.id == 0) continue;
        ControlState& state = controls_[c.id];
        if (c.kind == ControlKind::label || c.kind == ControlKind::button || c.kind == ControlKind::groupBox ||
            c.kind == ControlKind::radio || c.kind == ControlKind::checkBox)
            state.text = c.text;
    }
}

Form::ControlState* Form::find(int id)
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const Form::ControlState* Form::find(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const std::string& Form::text(int id) const
{
    static const std::string none;
    const ControlState* c = find(id);
    return c ? c->text : none;
}

bool Form::checked(int id) const
{
    const ControlState* c = find(id);
    return c && c->checked;
}

bool Form::enabled(int id) const
{
    const ControlState* c = find(id);
    return c && c->enabled;
}

void Form::type(int id, std::string text)
{
    if (ControlState* c = find(id)) c->text = std::move(text);
}

void Form::click(int id)
{
    for (const ControlTemplate& c : layout_.controls) {
        if (c.id != id) continue;
        if (c.kind == ControlKind::radio)
            select(id);
        else if (c.kind == ControlKind::checkBox)
            check(id, !checked(id));
        else
            return;
        return clicked(id);
    }
}

void Form::show(int id, std::string text)
{
    ControlState* c = find(id);
    assert(c && "a form shows text only in its own controls");
    if (c) c->text = std::move(text);
}

void Form::check(int id, bool ticked)
{
    ControlState* c = find(id);
    assert(c);
    if (c) c->checked = ticked;
}

void Form::enable(int id, bool on)
{
    ControlState* c = find(id);
    assert(c);
    if (c) c->enabled = on;
}

std::vector<int> Form::radioGroup(int id) const
{
    const auto& controls = layout_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id != id || controls[i].kind != ControlKind::radio) continue;
        std::size_t first = i, last = i;
        while (first > 0 && controls[first - 1].kind == ControlKind::radio) --first;
        while (last + 1 < controls.size() && controls[last + 1].kind == ControlKind::radio) ++last;
        std::vector<int> group;
        for (std::size_t j = first; j <= last; ++j) group.push_back(controls[j].id);
        return group;
    }
    return {};
}

void Form::select(int id)
{
    const std::vector<int> group = radioGroup(id);
    assert(!group.empty() && "select() takes a radio button of the form");
    for (const int member : group) check(member, member == id);
}

int Form::selected(int first, int last) const
{
    for (int id = first; id <= last; ++id)
        if (checked(id)) return id;
    return -1;
}

FormResult PageForm::press(int id, const Confirm&)
{
    if (id == dialogOk || (id == dialogCancel && cancelCloses_)) return FormResult::ended(id);
    return FormResult::stays();
}

}  // namespace trochograph
