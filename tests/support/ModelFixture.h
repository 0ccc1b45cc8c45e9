// A window model on scripted dialogs over a folder of the test's own, for the model's tests.
#pragma once

#include "ScriptedDialogs.h"
#include "SlideFixtures.h"
#include "TestFiles.h"
#include "model/WindowModel.h"

#include <gtest/gtest.h>

#include <string>

class TModelTest : public ::testing::Test {
protected:
    // Shows dir, with a preview of width x height.
    void ShowDir(int width, int height) {
        model.SetPreviewSize(width, height);
        ASSERT_TRUE(model.TreeFolderChanged(dir.Path()));
    }
    // Chooses the file list's entry of that name.
    TSourceKind Choose(const std::string& name) {
        for (size_t i = 0; i < model.Sources().size(); ++i)
            if (model.Sources()[i] == name)
                return model.ChooseSource(static_cast<int>(i));
        ADD_FAILURE() << "no source " << name;
        return TSourceKind::None;
    }

    TTempDir dir;
    TScriptedDialogs dialogs;
    TWindowModel model{dialogs};
};
