// A small level class for the tests: every data marker once, indented, with blank lines.
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
    int upr_default = 1; //act_upr
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

    private szor midlet; // etap1 belongs to the MIDlet
    public Etap1(szor midlet) { this.midlet = midlet; }

    protected void paint(Graphics graphics) {
		//graphics.
    }

    void tick() {
