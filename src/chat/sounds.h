#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

// Where recordings go to be heard. The program plays them; tests record them.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Plays the recording of that name (upper case, "WAVE13", "CLICK"), cutting
    // off one still playing. Never waits.
    virtual void play(const QString& name) = 0;
};

// Plays the program's recordings with Qt Multimedia. A machine without an
// audio output stays silent and says nothing.
class QtSoundSink : public QObject, public SoundSink {
    Q_OBJECT
public:
    explicit QtSoundSink(QObject* parent = nullptr);
    void play(const QString& name) override;
    // The resource path of a recording, or empty when there is none.
    static QString resourceFor(const QString& name);

private:
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_current = nullptr;
};

// The table's sounds: game cues while "Play Sounds" is ticked, and chatter
// sounds, which the chat plays or writes as lines.
class Sounds {
public:
    explicit Sounds(SoundSink& sink) : m_sink(&sink) {}

    void playsounds(const QString& cue) {
        if (playSounds) {
            m_sink->play(cue.toUpper());
        }
    }
    void playChatter(const QString& name) { m_sink->play(name.toUpper()); }
    void setSink(SoundSink& sink) { m_sink = &sink; }

    bool playSounds = true;
    bool chatterSounds = false;

private:
    SoundSink* m_sink;
};
