// A level class for the build tests: the data markers, and a canvas that draws the level's
// objects as filled boxes.
import javax.microedition.lcdui.*;

public class Etap1 extends Canvas {
    //quan_act_gr
    //quan_act
    //group_act
    //add_act_gr
    //act_manager_gr
    //act_obstacle_gr
    //tileWidthob_gr
    //tileHeightob_gr
    //act_sv1_ob
    //act_sv2_ob
    //act_sv3_ob
    //act_sv4_ob
    //act_sv5_ob
    //fon_sv1_ob
    //fon_sv2_ob
    //fon_sv3_ob
    //fon_sv4_ob
    //fon_sv5_ob
    //act_upr
    //quan_fon_gr
    //quan_fon
    //fon_obstacle_gr
    //add_fon_gr
    //fon_tileWidth_gr
    //fon_tileHeight_gr
    //fon_columns_gr
    //fon_rows_gr
    //fon_manager_gr
    //group_fon
    //act_type
    //act_go
    //act_stop
    //act_dead
    //act_uron
    //act_speed_tek
    //act_speed
    //act_razg
    //act_torm
    //act_tr_number
    //act_tr
    //act_t
    //act_xt
    //act_yt
    //col_ek1
    //col_ek2
    //col_ek3

    private szor midlet;
    int obtime = 1;
    int[] boxX = new int[20];
    int[] boxY = new int[20];
    int boxes = 0;

    public Etap1(szor midlet) { this.midlet = midlet; }

    void start() { tick(); repaint(); }

    void stop() {}

    void active_create(int definition, int x, int y) { box(x, y); }

    void fon_create(int definition, int x, int y) { box(x, y); }

    private void box(int x, int y) {
        boxX[boxes] = x;
        boxY[boxes] = y;
        boxes++;
    }

    protected void paint(Graphics graphics) {
        graphics.setColor(col_ek1, col_ek2, col_ek3);
        graphics.fillRect(0, 0, getWidth(), getHeight());
        graphics.setColor(0xFFFFFF);
        for (int i = 0; i < boxes; i++) {
            graphics.fillRect(boxX[i], boxY[i], 8, 8);
        }
        //graphics.
    }

    protected void keyPressed(int key) { midlet.changeEtap(1, 0); }

    void tick() {
