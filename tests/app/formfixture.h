// The real main window over a private storage folder.
#pragma once

#include "Unit1.h"
#include "directorylistbox.h"
#include "settingsfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class FormFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(storage.isValid());
        removeSettingsFile(); // each test starts as a first run
        form = std::make_unique<TForm1>();
        form->DirBox->setDirectory(storage.path());
    }

    QString storagePath(const QString& name) const { return storage.filePath(name); }

    QTemporaryDir storage;
    std::unique_ptr<TForm1> form;
};
