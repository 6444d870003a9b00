// Command and control ids of the main window that are the editor's own (the rest are the toolkit's stock ids).
#pragma once

enum MainFrameId {
    ID_REPLAY = 1000,
    ID_ACTION_WINDOW = 1001,
    ID_SET_RESOLUTION = 1002,
    ID_ADD_WORK_PATH = 1003,
    ID_SHOW_OBJECT_PANE = 1004,
    ID_SHOW_PROPERTY_PANE = 1005,
    ID_SHOW_TOOLBAR = 1006,
    ID_CHECK_UPDATE = 1007,
    ID_NEW_PARTICLE = 1008,
    ID_EXPORT_ANIMATION = 1020,
    // The preview's own commands, one range for the window's table.
    ID_PREVIEW_PAUSE = 1100,
    ID_PREVIEW_STEP = 1101,
    ID_PREVIEW_SEED = 1102,
    ID_PREVIEW_SPAWN_AREA = 1103,
    ID_PREVIEW_SPEED = 1104, // the speed tool, whose click opens the speed choices
    ID_PREVIEW_SPEED_FIRST = 1110,
    ID_PREVIEW_SPEED_LAST = 1115,
    ID_PREVIEW_MOTION_FIRST = 1120,
    ID_PREVIEW_MOTION_LAST = 1123,
    ID_PREVIEW_FIRST = ID_PREVIEW_PAUSE,
    ID_PREVIEW_LAST = ID_PREVIEW_MOTION_LAST,
    ID_TICK_TIMER = 10000,
    ID_PROPERTY_GRID = 10001,
    ID_OBJECT_TREE = 10002,
    ID_ABOUT_PAGE = 10003,
    ID_PREVIEW_COUNTS_TIMER = 10004,
    ID_TEXTURE_POLL_TIMER = 10005,
    // One entry per built-in effect; the id minus ID_EXAMPLE_FIRST is its template number.
    ID_EXAMPLE_FIRST = 10100,
    ID_EXAMPLE_LAST = 10110,
    // "ParticleSystem" and "Sprite"; the last id is kept free inside the handled range.
    ID_CREATE_FIRST = 10200,
    ID_CREATE_LAST = 10202,
};
