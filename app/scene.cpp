// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/scene.h"

#include <utility>

#include "app/app.h"

namespace viv {

Report::Report(MainWindowModel& window, ResultsTable& table)
    : Panel1(window.Panel1),
      Panel2(window.Panel2),
      Panel3(window.Panel3),
      MessagePanel(window.MessagePanel),
      ScrollBar1Symbol(window.ScrollBar1Symbol),
      ScrollBar2Symbol(window.ScrollBar2Symbol),
      ScrollBar3Symbol(window.ScrollBar3Symbol),
      table_(table) {}

void Report::SetCell(int col, int row, std::string text) {
    table_.SetCell(col, row, std::move(text));
}

const std::string& Report::Cell(int col, int row) const {
    return table_.Cell(col, row);
}

Scene::Scene(App& app)
    : Map(app.Map),
      State(app.State),
      Controls(app.Window),
      Out(app.Window, app.Table),
      Clock(app.Window.Clock),
      app_(app),
      sims_(app.Sims) {}

WorkBuffers* Scene::Buffers() const {
    return app_.Buffers.get();
}

bool Scene::OnScreen(const TCanvas& canvas) const {
    return &canvas == app_.Image.get();
}

const TCanvas* Scene::WindowPicture() const {
    return app_.Image.get();
}

std::unique_ptr<TCanvas>& Scene::StillPicture() {
    return app_.StillPicture;
}

std::unique_ptr<TCanvas> Scene::CreatePicture(int width, int height) const {
    std::unique_ptr<TCanvas> picture = app_.host().CreatePicture(width, height);
    if (picture) picture->Words = app_.PictureWords();
    return picture;
}

std::unique_ptr<TCanvas> Scene::CopyPicture(const TCanvas& picture) const {
    std::unique_ptr<TCanvas> copy = app_.host().CopyPicture(picture);
    if (copy) copy->Words = picture.Words;
    return copy;
}

std::uint32_t Scene::Milliseconds() const {
    return app_.host().Milliseconds();
}

const PointerSource& Scene::Pointer() const {
    return app_.host().Pointer();
}

void Scene::DrawOnScreen(Event code) {
    if (app_.Image) app_.DrawSimulation(code, false, *app_.Image);
}

void Scene::RunClock() {
    if (!app_.Window.Clock.Enabled) app_.RunButtonClick();
}

void Scene::StopClock() {
    app_.Window.Clock.Enabled = false;
    app_.Window.RunButton.Down = false;
}

SetupScene::SetupScene(App& app) : Scene(app), Window(app.Window) {}

}  // namespace viv
