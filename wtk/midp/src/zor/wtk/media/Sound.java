package zor.wtk.media;

/** An opened sound device playing one piece of media. */
interface Sound {
    void play(long fromMicros);

    void pause();

    void close();

    void volume(int level, boolean muted);
}
