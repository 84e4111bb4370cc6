#pragma once

#include "Target.h"

#include "act/Application.h"

namespace act::dispatch {

class DispatchContactView : public ContactView {
public:
    explicit DispatchContactView(Target view) : m_view(std::move(view)) {}

    Result<std::string> GetCurrentId() override { return m_view.text("GetCurrentId"); }

private:
    Target m_view;
};

class DispatchViews : public Views {
public:
    explicit DispatchViews(Target views) : m_views(std::move(views)) {}

    Result<std::shared_ptr<ContactView>> Create(int viewType, const std::string& name) override {
        return wrapped<ContactView, DispatchContactView>(m_views.object("Create", {viewType, name}));
    }

private:
    Target m_views;
};

} // namespace act::dispatch
