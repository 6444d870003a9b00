// Numbers shared by the GL context layer and its callers: error codes, hints, cursor modes.
#pragma once

namespace GLLayer {

// Codes passed to the error callback.
enum Error : int {
    NotInitialized = 0x00010001,
    NoCurrentContext = 0x00010002,
    InvalidEnum = 0x00010003,
    InvalidValue = 0x00010004,
    OutOfMemory = 0x00010005,
    ApiUnavailable = 0x00010006,
    VersionUnavailable = 0x00010007,
    PlatformError = 0x00010008,
    FormatUnavailable = 0x00010009,
};

// Window hints accepted by windowHint(); any other number is rejected.
enum Hint : int {
    Resizable = 0x00020003,
    Visible = 0x00020004,
    Decorated = 0x00020005,
    RedBits = 0x00021001,
    GreenBits = 0x00021002,
    BlueBits = 0x00021003,
    AlphaBits = 0x00021004,
    DepthBits = 0x00021005,
    StencilBits = 0x00021006,
    AccumRedBits = 0x00021007,
    AccumGreenBits = 0x00021008,
    AccumBlueBits = 0x00021009,
    AccumAlphaBits = 0x0002100A,
    AuxBuffers = 0x0002100B,
    Stereo = 0x0002100C,
    Samples = 0x0002100D,
    SrgbCapable = 0x0002100E,
    ClientApi = 0x00022001,
    ContextVersionMajor = 0x00022002,
    ContextVersionMinor = 0x00022003,
    ContextRobustness = 0x00022005,
    OpenglForwardCompat = 0x00022006,
    OpenglDebugContext = 0x00022007,
    OpenglProfile = 0x00022008,
};

// Values of the client-API, robustness and profile hints.
enum HintValue : int {
    OpenglApi = 0x00030001,
    OpenglEsApi = 0x00030002,
    NoRobustness = 0,
    NoResetNotification = 0x00031001,
    LoseContextOnReset = 0x00031002,
    AnyProfile = 0,
    CoreProfile = 0x00032001,
    CompatProfile = 0x00032002,
};

enum CursorMode : int {
    CursorNormal = 0x00034001,
    CursorHidden = 0x00034002,
    CursorDisabled = 0x00034003,
};

}  // namespace GLLayer
