// The particle update as first written (one plain loop per step), kept as the yardstick for the fast one.
#pragma once

#include <algorithm>
#include <cmath>

#include "2d/CCParticleSystemQuad.h"
#include "base/ccMacros.h"

// An effect (or a plain quad system) whose update() runs the straightforward
// scalar passes: age, death, motion, interpolation, quads. Emission is the
// system's own, so two systems fed the same rand() seed emit alike.
template <class Effect>
class ReferenceParticleSystem : public Effect {
public:
    static ReferenceParticleSystem* createWithTotal(int total) {
        auto* s = new ReferenceParticleSystem();
        if (!s->initWithTotalParticles(total)) {
            delete s;
            return nullptr;
        }
        s->autorelease();
        return s;
    }
    static ReferenceParticleSystem* createDefault() {
        auto* s = new ReferenceParticleSystem();
        if (!s->init()) {
            delete s;
            return nullptr;
        }
        s->autorelease();
        return s;
    }

    cocos2d::ParticleData& data() { return this->_particleData; }
    void setYCoordFlipped(int v) { this->_yCoordFlipped = v; }

    void update(float dt) override {
        this->emitStep(dt);
        cocos2d::ParticleData& d = this->_particleData;
        for (int i = 0; i < this->_particleCount; ++i) d.timeToLive[i] -= dt;
        if (removeDead()) return;
        if (this->_emitterMode == cocos2d::ParticleSystem::Mode::GRAVITY)
            moveGravity(dt);
        else
            moveRadius(dt);
        for (int i = 0; i < this->_particleCount; ++i) {
            d.colorR[i] += d.deltaColorR[i] * dt;
            d.colorG[i] += d.deltaColorG[i] * dt;
            d.colorB[i] += d.deltaColorB[i] * dt;
            d.colorA[i] += d.deltaColorA[i] * dt;
            d.size[i] = std::max(0.0f, d.size[i] + d.deltaSize[i] * dt);
            d.rotation[i] += d.deltaRotation[i] * dt;
        }
        updateParticleQuads();
    }

    void updateParticleQuads() override { buildQuads(); }

private:
    // The game's death pass, off-by-one included.
    bool removeDead() {
        float* ttl = this->_particleData.timeToLive;
        for (int i = 0; i < this->_particleCount; ++i) {
            if (ttl[i] > 0.0f) continue;
            int last = this->_particleCount - 1;
            while (last > 0 && ttl[last] <= 0.0f) {
                --this->_particleCount;
                --last;
            }
            this->_particleData.copyParticle(i, this->_particleCount - 1);
            --this->_particleCount;
            if (this->_particleCount == 0 && this->_isAutoRemoveOnFinish) {
                this->unscheduleUpdate();
                if (this->_parent) this->_parent->removeChild(this, true);
                return true;
            }
        }
        return false;
    }

    static void radialUnit(float x, float y, float* ux, float* uy) {
        float n = x * x + y * y;
        if (n == 1.0f) return;
        n = std::sqrt(n);
        if (n < 2e-37f) return;
        n = 1.0f / n;
        *ux = x * n;
        *uy = y * n;
    }

    void moveGravity(float dt) {
        cocos2d::ParticleData& d = this->_particleData;
        const float flip = static_cast<float>(this->_yCoordFlipped);
        for (int i = 0; i < this->_particleCount; ++i) {
            float ux = 0.0f, uy = 0.0f;
            float px = d.posx[i], py = d.posy[i];
            if (px != 0.0f || py != 0.0f) radialUnit(px, py, &ux, &uy);
            float rx = ux * d.modeA.radialAccel[i];
            float ry = uy * d.modeA.radialAccel[i];
            float tx = -uy * d.modeA.tangentialAccel[i];
            float ty = ux * d.modeA.tangentialAccel[i];
            d.modeA.dirX[i] += (rx + tx + this->modeA.gravity.x) * dt;
            d.modeA.dirY[i] += (ry + ty + this->modeA.gravity.y) * dt;
            d.posx[i] += d.modeA.dirX[i] * dt * flip;
            d.posy[i] += d.modeA.dirY[i] * dt * flip;
        }
    }

    void moveRadius(float dt) {
        cocos2d::ParticleData& d = this->_particleData;
        const float flip = static_cast<float>(this->_yCoordFlipped);
        for (int i = 0; i < this->_particleCount; ++i) {
            d.modeB.angle[i] += d.modeB.degreesPerSecond[i] * dt;
            d.modeB.radius[i] += d.modeB.deltaRadius[i] * dt;
            d.posx[i] = -std::cos(d.modeB.angle[i]) * d.modeB.radius[i];
            d.posy[i] = -std::sin(d.modeB.angle[i]) * d.modeB.radius[i] * flip;
        }
    }

    static GLubyte toByte(float v) {
        if (!(v > 0.0f)) return 0;
        float scaled = v * 255.0f;
        return scaled >= 255.0f ? 255 : static_cast<GLubyte>(scaled);
    }

    void buildQuads() {
        using namespace cocos2d;
        if (this->_particleCount <= 0 || !this->_quads) return;
        ParticleData& d = this->_particleData;
        Mat4 worldToNode;
        Vec3 current;
        const auto type = this->_positionType;
        if (type == ParticleSystem::PositionType::FREE) {
            worldToNode = this->getWorldToNodeTransform();
            Vec2 origin = this->convertToWorldSpace(Vec2::ZERO);
            current.set(origin.x, origin.y, 0.0f);
            worldToNode.transformPoint(&current);
        } else if (type == ParticleSystem::PositionType::RELATIVE) {
            current.set(this->_position.x, this->_position.y, 0.0f);
        }
        for (int i = 0; i < this->_particleCount; ++i) {
            float x = d.posx[i];
            float y = d.posy[i];
            if (type == ParticleSystem::PositionType::FREE) {
                Vec3 start(d.startPosX[i], d.startPosY[i], 0.0f);
                worldToNode.transformPoint(&start);
                x += start.x - current.x;
                y += start.y - current.y;
            } else if (type == ParticleSystem::PositionType::RELATIVE) {
                x -= current.x - d.startPosX[i];
                y -= current.y - d.startPosY[i];
            }
            V3F_C4B_T2F_Quad& q = this->_quads[i];
            const float h = d.size[i] * 0.5f;
            const float rotation = d.rotation[i];
            if (rotation != 0.0f) {
                const float r = -CC_DEGREES_TO_RADIANS(rotation);
                const float cr = std::cos(r);
                const float sr = std::sin(r);
                const float x1 = -h, y1 = -h, x2 = h, y2 = h;
                q.bl.vertices.set(x1 * cr - y1 * sr + x, x1 * sr + y1 * cr + y, 0.0f);
                q.br.vertices.set(x2 * cr - y1 * sr + x, x2 * sr + y1 * cr + y, 0.0f);
                q.tr.vertices.set(x2 * cr - y2 * sr + x, x2 * sr + y2 * cr + y, 0.0f);
                q.tl.vertices.set(x1 * cr - y2 * sr + x, x1 * sr + y2 * cr + y, 0.0f);
            } else {
                q.bl.vertices.set(x - h, y - h, 0.0f);
                q.br.vertices.set(x + h, y - h, 0.0f);
                q.tl.vertices.set(x - h, y + h, 0.0f);
                q.tr.vertices.set(x + h, y + h, 0.0f);
            }
            const float a = d.colorA[i];
            Color4B c;
            if (this->_opacityModifyRGB)
                c = Color4B(toByte(d.colorR[i] * a), toByte(d.colorG[i] * a), toByte(d.colorB[i] * a), toByte(a));
            else
                c = Color4B(toByte(d.colorR[i]), toByte(d.colorG[i]), toByte(d.colorB[i]), toByte(a));
            q.bl.colors = c;
            q.br.colors = c;
            q.tl.colors = c;
            q.tr.colors = c;
        }
    }
};
