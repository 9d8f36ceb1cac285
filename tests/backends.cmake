# The backends in real llvmpipe contexts, off-screen: the GL state a program left is still there
# after a frame and after textures are made, filled and deleted. Linked with the machine's GL and
# EGL, not the recording GL.
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
add_drev_test(BackendStateTest SOURCES unit/BackendStateTest.cpp ${PROJECT_SOURCE_DIR}/commands/OffscreenGL.cpp
    LIBS vanui_gl1 vanui_gl3 OpenGL::EGL OpenGL::GL)
target_include_directories(BackendStateTest PRIVATE ${PROJECT_SOURCE_DIR}/commands)

add_drev_test(uiGLContextKindTest SOURCES unit/uiGLContextKindTest.cpp
    ${PROJECT_SOURCE_DIR}/vanui/backends/gl3/uiGLContextKind.cpp)
target_include_directories(uiGLContextKindTest PRIVATE ${PROJECT_SOURCE_DIR}/vanui/backends/gl3)
