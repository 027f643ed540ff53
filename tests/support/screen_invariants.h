// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What must hold between any two events of a run: one screen visible and no stray window; on
// each exercise one red digit that is the chosen one, an answer and candidates that match the
// question, the feedback shown exactly while its timer runs; a reading question that follows
// its kind; every caption well formed.

#include <QString>
#include <QStringList>

class ScreenDirectory;

class ScreenInvariants {
public:
    explicit ScreenInvariants(const ScreenDirectory& screens)
        : screens_(screens)
    {}

    // What does not hold, or an empty text when everything does.
    QString violation() const;

private:
    const ScreenDirectory& screens_;
};

// The captions of every label of every screen made so far, to compare before and after.
QStringList allCaptions(const ScreenDirectory& screens);
