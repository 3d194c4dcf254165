// The frame recorder between a program and the device: what each call did, in words, and the GL
// calls a draw became, by the part of the draw that made them.
#include "test_device.h"

#include <port_inspect.h>
#include <port_test.h>

TEST(FrameRecord, SaysWhatEachCallDidAndWhatItBecame) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, {0.0f, 0.0f, -1.0f}),
                  RectangleIndices());
    IDirect3DDevice9* const plain = test.device;
    ASSERT_TRUE(PortStartRecording(&test.device, nullptr, nullptr));
    IDirect3DDevice9* recorded = test.device;
    ASSERT_NE(plain, recorded);
    EXPECT_FALSE(PortStartRecording(&recorded, nullptr, nullptr));

    recorded->SetRenderState(D3DRS_LIGHTING, FALSE);
    recorded->SetRenderState(D3DRS_LIGHTING, FALSE);
    recorded->SetRenderState(D3DRS_ZFUNC, 99);
    recorded->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000050, 1.0f, 0);
    recorded->BeginScene();
    recorded->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2);
    PortSimulateDeviceLoss(plain);
    recorded->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2);
    recorded->EndScene();
    const std::string text = PortStopRecording(&test.device, false);
    EXPECT_EQ(plain, test.device);

    const char* const expected[] = {
        "\n1. SetRenderState(D3DRS_LIGHTING, FALSE) = D3D_OK  -> stale: program\n",
        "\n2. SetRenderState(D3DRS_LIGHTING, FALSE) = D3D_OK  -> nothing: value unchanged\n",
        "\n3. SetRenderState(D3DRS_ZFUNC, 99) = D3DERR_INVALIDCALL  -> refused: nothing set\n",
        "\n4. Clear(0, NULL, D3DCLEAR_TARGET, 0xff000050, 1, 0) = D3D_OK\n",
        "made    glClear(GL_COLOR_BUFFER_BIT)\n",
        "\n6. DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2) = D3D_OK\n"
        "      program, stale since call 1:\n"
        "        made    glGetString(GL_SHADING_LANGUAGE_VERSION)\n"
        "        made    glCreateShader(GL_VERTEX_SHADER)\n",
        "      draw:\n"
        "        made    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, NULL)\n",
        "    program: no defines\n",
        "The GLSL of the program drawn by call 6:\n--- vertex shader\n#version",
        "  * D3DRS_LIGHTING = FALSE  (call 2)\n",
        "    D3DRS_ZFUNC = D3DCMP_LESSEQUAL  (before this frame)\n",
        "\n7. DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2) = D3D_OK  -> device lost: "
        "nothing drawn\n\n8. EndScene() = D3D_OK\n",
    };
    for (const char* line : expected) {
        EXPECT_NE(std::string::npos, text.find(line)) << "lacks: " << line << "\nin:\n" << text;
    }
}
